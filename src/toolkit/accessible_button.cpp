#include "toolkit/accessible_button.h"

#include "toolkit/windowless_control.h"
#include "toolkit/native_button.h"
#include "toolkit/option_button.h"

#include <QAbstractButton>

namespace toolkit {

AccessibleButton::AccessibleButton(QAbstractButton* button)
    : QAccessibleWidget(button, button->isCheckable() ? QAccessible::RadioButton : QAccessible::Button)
{
}

QAbstractButton& AccessibleButton::button() const { return *static_cast<QAbstractButton*>(widget()); }

// The windowless control that labels an option button, if any.
QAccessibleInterface* AccessibleButton::label() const
{
    const auto* option = qobject_cast<const OptionButton*>(widget());
    const WindowlessControl* labelledBy = option ? option->labelledBy() : nullptr;
    return labelledBy ? labelledBy->accessible() : nullptr;
}

QString AccessibleButton::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return widget()->accessibleName().isEmpty() ? button().text() : widget()->accessibleName();
    if (kind == QAccessible::Description) {
        const auto* described = dynamic_cast<const ButtonDescription*>(widget());
        if (described && !described->accessibleDescription().isEmpty())
            return described->accessibleDescription();
        if (QAccessibleInterface* labelling = label())
            return labelling->text(QAccessible::Name);
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button().isDown();
    state.checkable = button().isCheckable();
    state.checked = button().isChecked();
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessibleButton::relations(QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    if (QAccessibleInterface* labelling = label(); labelling && (match & QAccessible::Label))
        related.append({labelling, QAccessible::Label});
    return related;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names;
    if (button().isEnabled()) {
        names << pressAction();
        if (button().isCheckable())
            names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& action)
{
    if (action != pressAction() && action != toggleAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    // What the pointer cannot click, no action clicks.
    QAbstractButton& clicked = button();
    if (!clicked.isEnabled() || !clicked.isVisible())
        return;
    if (clicked.focusPolicy() & Qt::ClickFocus)
        clicked.setFocus(Qt::MouseFocusReason);
    clicked.click();
}

} // namespace toolkit
