#include "Controls.h"

#include "Dialogs.h"
#include "PainterSurface.h"

namespace {
QString Rgb(Color bgr) { return ToQColor(bgr).name(); }
}  // namespace

QPushButton* MakeButton(QWidget* parent, const std::string& caption, const FontSpec& font,
                        std::optional<Color> background) {
    auto* button = new QPushButton(parent);
    button->setFont(MakeFont(font));
    SetButtonCaption(button, caption);
    if (background) {
        // A style sheet makes the platform draw the button flat in its own colour.
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                             " border: 2px outset #808080; }"
                                             "QPushButton:pressed { border-style: inset; }"
                                             "QPushButton:focus { border-color: #202020; }")
                                  .arg(Rgb(*background)));
    }
    return button;
}

QLabel* MakeLabel(QWidget* parent, const std::string& caption, const FontSpec& font,
                  std::optional<Color> background, std::optional<Color> text, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFont(MakeFont(font));
    label->setAlignment(alignment);
    label->setWordWrap(false);
    QString style;
    if (background) style += QStringLiteral("background-color: %1;").arg(Rgb(*background));
    if (text) style += QStringLiteral("color: %1;").arg(Rgb(*text));
    if (!style.isEmpty()) label->setStyleSheet(QStringLiteral("QLabel { %1 }").arg(style));
    SetLabelCaption(label, caption);
    return label;
}

QListWidget* MakeList(QWidget* parent, const FontSpec& font) {
    auto* list = new QListWidget(parent);
    list->setFont(MakeFont(font));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLineEdit* MakeTextBox(QWidget* parent, const FontSpec& font) {
    auto* box = new QLineEdit(parent);
    box->setFont(MakeFont(font));
    return box;
}

void SetButtonCaption(QPushButton* button, const std::string& caption) { button->setText(CaptionText(caption)); }
void SetLabelCaption(QLabel* label, const std::string& caption) { label->setText(CaptionText(caption)); }
void AddListLine(QListWidget* list, const std::string& line) { list->addItem(QString::fromStdString(line)); }
