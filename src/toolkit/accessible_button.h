#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace toolkit {

// A push or option button as assistive technology reads and works it. Every
// action it offers to press or toggle the button is a click, exactly as the
// pointer makes one: the focus moves to the button, the button's handler
// runs once, and an option button's group stays exclusive.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    QAbstractButton& button() const;
    QAccessibleInterface* label() const;
};

} // namespace toolkit
