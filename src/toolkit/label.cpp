#include "toolkit/label.h"

#include "toolkit/twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace toolkit {

namespace {
constexpr double BorderPixels = 1.0;

// Qt breaks lines at U+2028, not at a lone carriage return.
QString withLineSeparators(const QString& caption)
{
    QString shown = caption;
    shown.replace(QChar(u'\r'), QChar(QChar::LineSeparator));
    return shown;
}
} // namespace

void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    assign(caption_, caption);
    shownText_ = withLineSeparators(caption_);
    fitHeight();
}

void Label::setBox(float left, float top, float width, float height)
{
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
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
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, textArea().width(), 1e6), textFlags(), shownText_);
    const double borders = border_ ? 2 * BorderPixels : 0;
    setHeight(toTwips(std::ceil(needed.height() + borders)));
}

QRectF Label::textArea() const
{
    const QRectF box = pixelRect(left_, top_, width_, height_);
    const double inset = border_ ? BorderPixels : 0;
    return box.adjusted(inset, inset, -inset, -inset);
}

int Label::textFlags() const
{
    const int horizontal = alignment_ == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignTop | Qt::TextWordWrap;
}

void Label::paint(QPainter& painter) const
{
    const QRectF box = pixelRect(left_, top_, width_, height_);
    painter.fillRect(box, backColor_);
    if (border_) {
        painter.setPen(QPen(Qt::black, BorderPixels));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.drawText(textArea(), textFlags(), shownText_);
}

QRectF Label::paintedArea() const { return pixelRect(left_, top_, width_, height_).adjusted(-1, -1, 1, 1); }

bool Label::takesPointerAt(QPointF pixel) const
{
    return enabled_ && pixelRect(left_, top_, width_, height_).contains(pixel);
}

} // namespace toolkit
