// A label read from the keyboard: the caret a screen reader follows through
// its text, which nothing on screen shows.
#include "toolkit/label.h"

#include <QAccessibleTextCursorEvent>

#include <algorithm>

namespace toolkit {

namespace {
constexpr int Control = 2; // in the modifier mask

int lineStart(const QString& text, int caret)
{
    return caret == 0 ? 0 : static_cast<int>(text.lastIndexOf(u'\n', caret - 1)) + 1;
}

int lineEnd(const QString& text, int caret)
{
    const auto end = text.indexOf(u'\n', caret);
    return end < 0 ? static_cast<int>(text.size()) : static_cast<int>(end);
}

// Where a key moves the caret; -1 for a key that does not move it.
int movedCaret(const QString& text, int caret, int key, int shift)
{
    const int size = static_cast<int>(text.size());
    switch (key) {
    case Qt::Key_Left:
        return std::max(0, caret - 1);
    case Qt::Key_Right:
        return std::min(size, caret + 1);
    case Qt::Key_Up: {
        const int start = lineStart(text, caret);
        return start == 0 ? 0 : lineStart(text, start - 1);
    }
    case Qt::Key_Down: {
        const int end = lineEnd(text, caret);
        return end == size ? caret : end + 1;
    }
    case Qt::Key_PageUp:
        return 0;
    case Qt::Key_PageDown:
        return lineStart(text, size);
    case Qt::Key_Home:
        return shift & Control ? 0 : lineStart(text, caret);
    case Qt::Key_End:
        return shift & Control ? size : lineEnd(text, caret);
    default:
        return -1;
    }
}
} // namespace

void Label::keyDown(int key, int shift)
{
    const int moved = readFromKeyboard_ ? movedCaret(accessibleText(), caret_, key, shift) : -1;
    if (moved < 0) {
        WindowlessControl::keyDown(key, shift);
        return;
    }
    if (moved == caret_)
        return;
    caret_ = moved;
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(accessible(), caret_);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace toolkit
