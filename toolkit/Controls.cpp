#include "Controls.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStringList>
#include <QStyledItemDelegate>

#include "PainterSurface.h"

namespace {
QString Rgb(Color bgr) { return ToQColor(bgr).name(); }
}  // namespace

void CaptionButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    Wrap();
}

void CaptionButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    Wrap();
}

void CaptionButton::Wrap() {
    const QFontMetrics metrics(font());
    const int room = std::max(1, width() - 8);
    QStringList lines;
    for (const QString& given : CaptionText(caption_).split(QChar('\n'))) {
        QString line;
        for (const QString& word : given.split(QChar(' '))) {
            QString longer = line.isEmpty() ? word : line + QChar(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    setText(lines.join(QChar('\n')));
}

CaptionButton* MakeButton(QWidget* parent, const std::string& caption, const FontSpec& font,
                          std::optional<Color> background) {
    auto* button = new CaptionButton(parent);
    button->setFont(MakeFont(font));
    button->SetCaption(caption);
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
                  std::optional<Color> background, std::optional<Color> text,
                  Qt::Alignment alignment) {
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

namespace {
// Rows exactly as high as the list's font, as the windows' list heights assume
// (195 twips a line for the 9.75-point face).
class FontHighRows : public QStyledItemDelegate {
public:
    FontHighRows(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), height_);
    }

private:
    int height_;
};
}  // namespace

namespace {
// Swallows the second press of a double click: the list that appeared under the
// pointer after the first click must not take it as a choice.
class IgnoreDoubleClicks : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::MouseButtonDblClick;
    }
};
}  // namespace

QListWidget* MakeList(QWidget* parent, const FontSpec& font) {
    auto* list = new QListWidget(parent);
    list->setFont(MakeFont(font));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new FontHighRows(PointsToPixels(font.points), list));
    list->viewport()->installEventFilter(new IgnoreDoubleClicks(list));
    list->setStyleSheet(
        QStringLiteral("QListWidget { border: 1px solid #808080; }"
                       "QListWidget::item { padding: 0px; margin: 0px; border: 0px; }"
                       // The chosen line stays readable, also while its list has
                       // no focus (behind the degree box, after a failed fit).
                       "QListWidget::item:selected { background-color: #000080; color: white; }"));
    return list;
}

QLineEdit* MakeTextBox(QWidget* parent, const FontSpec& font) {
    auto* box = new QLineEdit(parent);
    box->setFont(MakeFont(font));
    return box;
}

QString CaptionText(const std::string& text) {
    QString caption = QString::fromStdString(text);
    caption.replace(QChar('\r'), QChar('\n'));
    return caption;
}

void SetLabelCaption(QLabel* label, const std::string& caption) {
    label->setText(CaptionText(caption));
}
void AddListLine(QListWidget* list, const std::string& line) {
    list->addItem(QString::fromStdString(line));
}

void FitCaptionToWidth(QLabel* label) {
    QFont font = label->font();
    const int room = label->width() - 6;
    auto widest = [&label](const QFont& f) {
        QFontMetrics metrics(f);
        int most = 0;
        for (const QString& line : label->text().split(QChar('\n')))
            most = std::max(most, metrics.horizontalAdvance(line));
        return most;
    };
    while (font.pixelSize() > 6 && widest(font) > room) font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}
