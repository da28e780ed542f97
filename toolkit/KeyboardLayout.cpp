#include "KeyboardLayout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const char* const NumberBoxProperty = "approximationNumberBox";

// The printable keys of a standard keyboard, row by row from their first X11
// keycode, as the US English layout types them.
struct KeyRow {
    std::uint32_t firstKeycode;
    const char* plain;
    const char* shifted;
};
constexpr KeyRow UsRows[] = {
    {10, "1234567890-=", "!@#$%^&*()_+"},
    {24, "qwertyuiop[]", "QWERTYUIOP{}"},
    {38, "asdfghjkl;'`", "ASDFGHJKL:\"~"},
    {51, "\\zxcvbnm,./", "|ZXCVBNM<>?"},
};

class UsEnglishNumberKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->property(NumberBoxProperty).toBool())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const char typed =
            UsEnglishCharacter(key->nativeScanCode(), key->modifiers() & Qt::ShiftModifier);
        if (typed == 0 || key->text() == QString(QChar(typed))) return false;
        // A key that types the layout's own decimal mark (the Russian point on the US
        // "/" key) types it: a number box has no use for the US character there.
        if (key->text() == QStringLiteral(".") || key->text() == QStringLiteral(",")) return false;
        static_cast<QLineEdit*>(watched)->insert(QString(QChar(typed)));
        return true;
    }
};
}  // namespace

char UsEnglishCharacter(std::uint32_t keycode, bool shift) {
    for (const KeyRow& row : UsRows) {
        const std::string_view keys = shift ? row.shifted : row.plain;
        if (keycode >= row.firstKeycode && keycode < row.firstKeycode + keys.size())
            return keys[keycode - row.firstKeycode];
    }
    return 0;
}

void ActivateKeyboardLayout(std::uint32_t layoutHandle, std::uint32_t) {
    static UsEnglishNumberKeys* filter = nullptr;
    if (layoutHandle != UsEnglishLayout || filter || !qApp) return;
    filter = new UsEnglishNumberKeys;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

void MarkNumberBox(QLineEdit* box) { box->setProperty(NumberBoxProperty, true); }
