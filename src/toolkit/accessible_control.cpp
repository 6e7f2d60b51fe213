#include "toolkit/accessible_control.h"

#include "toolkit/windowless_control.h"
#include "toolkit/window.h"

namespace toolkit {

QWindow* AccessibleControl::window() const { return control_.window().windowHandle(); }

QAccessibleInterface* AccessibleControl::parent() const
{
    return QAccessible::queryAccessibleInterface(&control_.window());
}

QString AccessibleControl::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        return control_.accessibleName().isEmpty() ? control_.accessibleText() : control_.accessibleName();
    case QAccessible::Description:
        return control_.accessibleDescription();
    default:
        return {};
    }
}

QRect AccessibleControl::rect() const
{
    const QRect area = control_.accessibleArea().toAlignedRect();
    return {control_.window().mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role AccessibleControl::role() const { return control_.accessibleRole(); }

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state;
    state.invisible = !control_.readable();
    state.readOnly = hasText();
    state.multiLine = control_.accessibleRole() == QAccessible::EditableText;
    state.focusable = control_.focusable();
    state.focused = control_.hasFocus();
    return state;
}

bool AccessibleControl::hasText() const
{
    const QAccessible::Role role = control_.accessibleRole();
    return role == QAccessible::StaticText || role == QAccessible::EditableText;
}

void* AccessibleControl::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && hasText())
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QString AccessibleControl::text(int startOffset, int endOffset) const
{
    return control_.accessibleText().mid(startOffset, endOffset - startOffset);
}

int AccessibleControl::cursorPosition() const { return control_.accessibleCaret(); }

int AccessibleControl::characterCount() const { return static_cast<int>(control_.accessibleText().size()); }

QRect AccessibleControl::characterRect(int offset) const
{
    const QRect area = control_.accessibleCharacterArea(offset).toAlignedRect();
    return area.isEmpty() ? QRect() : QRect(control_.window().mapToGlobal(area.topLeft()), area.size());
}

int AccessibleControl::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

QString AccessibleControl::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace toolkit
