#pragma once
// The controls the windows are built from, as the windows use them: buttons whose
// background colour shows, labels and buttons whose captions break at character 13,
// the formula list and the one-line cell editor.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <string>

#include "Color.h"
#include "Fonts.h"

// A button that keeps its caption as given and wraps it at blanks to fit its width,
// as a caption too long for one line is shown. The second click of a double click is
// not a click: it would act on what the first one showed.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent) : QPushButton(parent) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent*) override {}

private:
    void Wrap();
    std::string caption_;
};

CaptionButton* MakeButton(QWidget* parent, const std::string& caption, const FontSpec& font,
                          std::optional<Color> background = std::nullopt);
QLabel* MakeLabel(QWidget* parent, const std::string& caption, const FontSpec& font,
                  std::optional<Color> background = std::nullopt,
                  std::optional<Color> text = std::nullopt,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A list whose lines are chosen by a click; a double click chooses nothing more.
QListWidget* MakeList(QWidget* parent, const FontSpec& font);
QLineEdit* MakeTextBox(QWidget* parent, const FontSpec& font);

// A caption or prompt with its character-13 line breaks as Qt shows them.
QString CaptionText(const std::string& text);

void SetLabelCaption(QLabel* label, const std::string& caption);
// Makes the label's font smaller, where needed, until its longest caption line fits
// its width: the stand-in faces run wider than the ones the layout was drawn with.
void FitCaptionToWidth(QLabel* label);
void AddListLine(QListWidget* list, const std::string& line);
