#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace toolkit {

// Has a screen reader say a text at once, cutting short what it was saying.
// Screen readers speak the changes of the object with the focus only, and
// Qt before 6.8 has no announcement of its own: the text goes out as a new
// name of `speaker`, the control with the focus, which reads its own name
// again as soon as it is sent. Nothing is built or sent while no screen
// reader listens.
void announce(QAccessibleInterface* speaker, const QString& text);

// The same from whatever has the focus in this window; the text is worked
// out only when a screen reader listens.
template <class Words>
void announceFrom(QWidget& window, Words words)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(&window);
    if (focused && focused->focusChild())
        focused = focused->focusChild();
    announce(focused, words());
}

// The text being announced by this control, if it is the speaker now.
const QString* announcedBy(const QAccessibleInterface* control);

} // namespace toolkit
