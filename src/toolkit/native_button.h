#pragma once

#include "toolkit/event_handler.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

#include <QString>

namespace toolkit {

// What assistive technology reads as a button's description. Held here
// rather than as the widget's own: Qt sends a change of that with the
// button where the text should be, which screen readers refuse; a change
// worth hearing is announced instead (see announcement.h).
class ButtonDescription {
public:
    const QString& accessibleDescription() const { return description_; }
    void setAccessibleDescription(const QString& description) { description_ = description; }

private:
    QString description_;
};

// What a window's push buttons and option buttons share: a caption, a box
// in twips laid on whole pixels, a place in the window's tab order, and the
// handler that a click runs.
template <class QtButton>
class NativeButton : public QtButton, public ButtonDescription {
public:
    using ButtonDescription::accessibleDescription;
    using ButtonDescription::setAccessibleDescription;
    EventHandler<> onClick;

protected:
    NativeButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition) : QtButton(caption, &owner)
    {
        this->setGeometry(box.pixels());
        owner.adoptTabStop(this, tabPosition);
    }
};

} // namespace toolkit
