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

#include "Fonts.h"
#include "SharedState.h"

QPushButton* MakeButton(QWidget* parent, const std::string& caption, const FontSpec& font,
                        std::optional<Color> background = std::nullopt);
QLabel* MakeLabel(QWidget* parent, const std::string& caption, const FontSpec& font,
                  std::optional<Color> background = std::nullopt, std::optional<Color> text = std::nullopt,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
QListWidget* MakeList(QWidget* parent, const FontSpec& font);
QLineEdit* MakeTextBox(QWidget* parent, const FontSpec& font);

void SetButtonCaption(QPushButton* button, const std::string& caption);
void SetLabelCaption(QLabel* label, const std::string& caption);
void AddListLine(QListWidget* list, const std::string& line);
