#include "toolkit/option_button.h"

#include "toolkit/window.h"

namespace toolkit {

OptionButton::OptionButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition)
    : QRadioButton(caption, &owner), box_(box), tabPosition_(tabPosition)
{
    // Qt's own exclusivity would refuse to clear the selected button from
    // code; the window keeps the group exclusive instead.
    setAutoExclusive(false);
    setGeometry(box_.pixels());
    connect(this, &QAbstractButton::clicked, this, [this, &owner] {
        setChecked(true); // a click on the selected button keeps it selected
        owner.selectOnly(this);
        if (onClick)
            onClick();
    });
    owner.adoptOptionButton(this, tabPosition);
}

} // namespace toolkit
