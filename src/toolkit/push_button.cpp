#include "toolkit/push_button.h"

#include "toolkit/classic_look.h"

#include <QPainter>

namespace toolkit {

PushButton::PushButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition)
    : NativeButton(owner, caption, box, tabPosition)
{
    // The face is painted over the whole box, so Qt need not paint the
    // window beneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

QColor PushButton::backColor() const { return palette().color(QPalette::Button); }

void PushButton::setBackColor(const QColor& colour)
{
    if (colour == backColor())
        return;
    QPalette faces = palette();
    faces.setColor(QPalette::Button, colour);
    setPalette(faces);
}

void PushButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintClassicButton(painter, rect(), {backColor(), palette().color(QPalette::ButtonText), isDown(), hasFocus()},
                       text());
}

} // namespace toolkit
