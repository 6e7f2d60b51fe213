#pragma once

#include "toolkit/event_handler.h"
#include "toolkit/twips_box.h"
#include "toolkit/window.h"

#include <QString>

namespace toolkit {

// What a window's push buttons and option buttons share: a caption, a box
// in twips laid on whole pixels, a place in the window's tab order, and the
// handler that a click runs.
template <class QtButton>
class NativeButton : public QtButton {
public:
    EventHandler<> onClick;

protected:
    NativeButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition) : QtButton(caption, &owner)
    {
        this->setGeometry(box.pixels());
        owner.adoptTabStop(this, tabPosition);
    }
};

} // namespace toolkit
