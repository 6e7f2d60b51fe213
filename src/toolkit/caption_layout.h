#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace toolkit {

// In a caption, a lone carriage return starts a new line. The caption with
// each of those written as `lineBreak`: U+2028 for Qt's text layout, a line
// feed for assistive technology.
QString withLineBreaksAs(const QString& caption, QChar lineBreak);

// A caption laid out once, then painted as often as needed. It places every
// glyph where QPainter::drawText(area, AlignTop | AlignLeft or AlignHCenter
// | TextWordWrap, text) places it, its carriage returns written as U+2028,
// clipping the same way, so painting it changes no pixel; it only skips
// shaping the text again on every paint.
class CaptionLayout {
public:
    // Lays the caption out for an area of this size, in this font (as the
    // painter resolves it for the device) and direction. Does nothing when
    // all of them are as last laid out.
    void layOut(const QString& text, const QFont& font, QSizeF area, bool centred, Qt::LayoutDirection direction);

    const QFont& font() const { return font_; }

    // Draws the text in an area of the size it was laid out for.
    void paint(QPainter& painter, const QRectF& area) const;

    // What paint() draws on, given the area's top left: the union of the
    // glyphs' own boxes, or the whole area where the text overflows it and
    // is clipped. Empty for no text. Glyphs are placed on whole pixels, so
    // they may land up to half a pixel off these boxes (a whole pixel across
    // where the font places them at fractions of a pixel).
    QRectF inkArea(QPointF areaTopLeft) const;

    // Where the character at `position` of the text lies, given the area's
    // top left: its advance across its line's height. Empty for a position
    // outside the text or on a line cut off below the area.
    QRectF characterArea(int position, QPointF areaTopLeft) const;

private:
    void startLayout();
    QRectF placeLines();
    QRectF glyphBoxes() const;
    double lineOffset(const QTextLine& line) const;

    QString text_;
    QFont font_;
    QSizeF area_;
    bool centred_ = false;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    bool laidOut_ = false;

    QTextLayout layout_;
    bool clipped_ = false;
    QRectF ink_; // relative to the area's top left
};

} // namespace toolkit
