#include "toolkit/announcement.h"

#include <QAccessible>

namespace toolkit {

namespace {
struct Announcement {
    const QAccessibleInterface* speaker = nullptr;
    const QString* text = nullptr;
};
Announcement current;
} // namespace

void announce(QAccessibleInterface* speaker, const QString& text)
{
    if (!speaker || !QAccessible::isActive())
        return;
    current = {speaker, &text};
    QAccessibleEvent named(speaker, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    current = {};
}

const QString* announcedBy(const QAccessibleInterface* control)
{
    return control && control == current.speaker ? current.text : nullptr;
}

} // namespace toolkit
