#include "toolkit/option_button.h"

#include "toolkit/classic_look.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace toolkit {

OptionButton::OptionButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition)
    : NativeButton(owner, caption, box, tabPosition)
{
    // Qt's own exclusivity would refuse to clear the selected button from
    // code; the window keeps the group exclusive instead.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, [this, &owner] {
        setChecked(true); // a click on the selected button keeps it selected
        owner.selectOnly(this);
        if (onClick)
            onClick();
    });
    owner.joinOptionGroup(this);
}

// The style paints the button as it would any round button, except for the
// focus, shown as a dotted rectangle around the circle. In a box too narrow
// for its caption the style would lay the caption out only for it to be
// clipped away, and that is most of what a full repaint of the hour panel's
// 48 buttons costs: there only the round button is painted.
void OptionButton::paintEvent(QPaintEvent* /*event*/)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    QStylePainter painter(this);
    const QRect circle = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    if (style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).intersects(rect())) {
        painter.drawControl(QStyle::CE_RadioButton, option);
    } else {
        QStyleOptionButton indicator = option;
        indicator.rect = circle;
        painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
    }
    if (focused)
        paintFocusRectangle(painter, QRectF(circle.adjusted(-1, -1, 1, 1) & rect()),
                            palette().color(QPalette::WindowText));
}

} // namespace toolkit
