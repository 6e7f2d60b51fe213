#include "toolkit/option_button.h"

#include "toolkit/window.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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

// In a box too narrow for its caption the style would lay the caption out
// only for it to be clipped away, and that is most of what a full repaint of
// the hour panel's 48 buttons costs. There only the round button is painted,
// with the focus frame should it fall within the box.
void OptionButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).intersects(rect())) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
        if (focus.rect.intersects(rect()))
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace toolkit
