#include "toolkit/label.h"

#include "toolkit/device_pixels.h"
#include "toolkit/outline_band.h"
#include "toolkit/twips.h"
#include "toolkit/window.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace toolkit {

namespace {
constexpr double BorderPixels = 1.0;
} // namespace

// A new caption repaints the text alone, not the box and its border: what
// the old text covered now, what the new one covers once it is laid out.
void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    if (visible() && !awaitingLayout_) {
        // Where the old text showed nothing, the text area asks for the
        // frame that will lay the new one out.
        const QRect oldText = textPixels() & window().rect();
        if (oldText.isEmpty())
            invalidate(textArea());
        else
            invalidateWholePixels(oldText);
        awaitingLayout_ = true;
        window().settleBeforeNextFrame(this);
    }
    // One test on the drag path when no assistive technology listens; what
    // is not shown is not read, nor announced.
    const bool announced = QAccessible::isActive() && readable();
    const QString before = announced ? accessibleText() : QString();
    caption_ = caption;
    caret_ = 0;
    fitHeight();
    if (announced)
        announceTextChange(before);
}

QString Label::accessibleText() const { return withLineBreaksAs(caption_, u'\n'); }

void Label::settle()
{
    if (!awaitingLayout_)
        return;
    awaitingLayout_ = false;
    if (!visible())
        return;
    layOutForWindow();
    const QRect newText = textPixels();
    if (!newText.isEmpty())
        invalidateWholePixels(newText);
}

QRect Label::textPixels() const
{
    const QRectF ink = layout_.inkArea(textArea().topLeft());
    return ink.isEmpty() ? QRect() : ink.adjusted(-1, -0.5, 1, 0.5).toAlignedRect();
}

// The font as a painter on the window resolves it.
void Label::layOutForWindow() const { layOutCaption(QFont(font_.resolve(window().font()), &window())); }

// A caption not yet painted is laid out now, as its frame would.
QRectF Label::accessibleCharacterArea(int position) const
{
    layOutForWindow();
    return layout_.characterArea(position, textArea().topLeft());
}

void Label::layOutCaption(const QFont& font) const
{
    layout_.layOut(caption_, font, textArea().size(), alignment_ == Alignment::Centre, window().layoutDirection());
}

void Label::setBox(float left, float top, float width, float height)
{
    BoxedControl::setBox(left, top, width, height);
    fitHeight();
}

void Label::setFont(const QFont& font)
{
    assign(font_, font);
    fitHeight();
}

void Label::setAutoHeight(bool on)
{
    autoHeight_ = on;
    fitHeight();
}

void Label::fitHeight()
{
    if (!autoHeight_)
        return;
    const QFontMetricsF metrics(font_);
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, textArea().width(), 1e6), textFlags(),
                                                withLineBreaksAs(caption_, QChar::LineSeparator));
    const double borders = border_ ? 2 * BorderPixels : 0;
    setHeight(toTwips(std::ceil(needed.height() + borders)));
}

QRectF Label::box() const { return wholePixelRect(left_, top_, width_, height_); }

QRectF Label::textArea() const
{
    const double inset = border_ ? BorderPixels : 0;
    return box().adjusted(inset, inset, -inset, -inset);
}

int Label::textFlags() const
{
    const int horizontal = alignment_ == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignTop | Qt::TextWordWrap;
}

void Label::paint(QPainter& painter, const QRegion& exposed) const
{
    const QRectF box = onDevicePixels(painter, this->box());
    painter.fillRect(box, backColor_);
    const double border = deviceLineWidth(painter, BorderPixels);
    if (border_ && exposesOutline(exposed, box, border))
        paintFrame(painter, box, border, Qt::black);
    painter.setFont(font_);
    painter.setPen(foreColor_);
    layOutCaption(painter.font());
    layout_.paint(painter, textArea());
}

QRectF Label::paintedArea() const { return box().adjusted(-1, -1, 1, 1); }

bool Label::takesPointerAt(QPointF pixel) const
{
    return enabled_ && box().contains(pixel);
}

} // namespace toolkit
