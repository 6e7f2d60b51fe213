#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace toolkit {

// Has a screen reader say a text at once, cutting short what it was saying.
// A screen reader speaks the changes of the focused object only, and Qt
// before 6.8 sends a changed name or description with the object where the
// text should be, which screen readers refuse. Qt 6.8 sends an announcement
// as such; before it, what a screen reader does speak is a notification
// being shown: each window has one, never painted, shown anew with each
// text. Nothing is built or sent while no screen reader listens.
void announce(QWidget& window, const QString& text);

template <class Words>
void announceFrom(QWidget& window, Words words)
{
    if (QAccessible::isActive())
        announce(window, words());
}

} // namespace toolkit
