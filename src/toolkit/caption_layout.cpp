#include "toolkit/caption_layout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace toolkit {

QString withLineBreaksAs(const QString& caption, QChar lineBreak)
{
    QString shown = caption;
    shown.replace(QChar(u'\r'), lineBreak);
    return shown;
}

namespace {
// Past its line breaks, a caption shows as drawText shows text: a line feed
// as a line break too, a tab as a space.
QString asDrawTextShowsIt(const QString& caption)
{
    QString shown = withLineBreaksAs(caption, QChar::LineSeparator);
    for (QChar& c : shown) {
        if (c == u'\n')
            c = QChar::LineSeparator;
        else if (c == u'\t')
            c = u' ';
    }
    return shown;
}
} // namespace

void CaptionLayout::layOut(const QString& text, const QFont& font, QSizeF area, bool centred,
                           Qt::LayoutDirection direction)
{
    if (laidOut_ && text == text_ && font == font_ && area == area_ && centred == centred_ && direction == direction_)
        return;
    laidOut_ = true;
    text_ = text;
    font_ = font;
    area_ = area;
    centred_ = centred;
    direction_ = direction;

    startLayout();
    clipped_ = false;
    ink_ = QRectF();
    if (text.isEmpty())
        return;
    const QRectF bounds = placeLines();
    clipped_ = !QRectF(QPointF(0, 0), area).contains(bounds);
    ink_ = clipped_ ? QRectF(QPointF(0, 0), area) : glyphBoxes();
}

void CaptionLayout::startLayout()
{
    layout_.clearLayout();
    layout_.setText(asDrawTextShowsIt(text_));
    layout_.setFont(font_);
    QTextOption option;
    option.setTextDirection(direction_);
    option.setAlignment(Qt::AlignLeft); // the lines are centred by hand, as drawText does
    layout_.setTextOption(option);
    layout_.setCacheEnabled(true);
}

// Lines start on whole pixels, one leading apart, until the area is full.
// Returns the box the lines fill, as drawText places it in the area.
QRectF CaptionLayout::placeLines()
{
    const double leading = QFontMetricsF(font_).leading();
    double height = -leading;
    double width = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(std::max(0.0, area_.width()));
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        if (height >= area_.height())
            break;
    }
    layout_.endLayout();
    return QRectF(centred_ ? (area_.width() - width) / 2 : 0, 0, width, height);
}

// Only glyphs are drawn: the line boxes above and below them stay bare.
QRectF CaptionLayout::glyphBoxes() const
{
    QRectF boxes;
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        const QPointF origin(lineOffset(line), 0);
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g)
                boxes |= font.boundingRect(glyphs[g]).translated(positions[g] + origin);
        }
    }
    return boxes;
}

double CaptionLayout::lineOffset(const QTextLine& line) const
{
    return centred_ ? (area_.width() - line.horizontalAdvance()) / 2 : 0;
}

void CaptionLayout::paint(QPainter& painter, const QRectF& area) const
{
    if (text_.isEmpty())
        return;
    if (clipped_) {
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
    }
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        line.draw(&painter, QPointF(area.x() + lineOffset(line), area.y()));
    }
    if (clipped_)
        painter.restore();
}

QRectF CaptionLayout::inkArea(QPointF areaTopLeft) const { return ink_.translated(areaTopLeft); }

QRectF CaptionLayout::characterArea(int position, QPointF areaTopLeft) const
{
    if (position < 0 || position >= text_.size())
        return {};
    const QTextLine line = layout_.lineForTextPosition(position);
    if (!line.isValid())
        return {};
    const double from = line.cursorToX(position);
    const double to = line.cursorToX(position + 1);
    return QRectF(std::min(from, to) + lineOffset(line), line.y(), std::abs(to - from), line.height()).translated(areaTopLeft);
}

} // namespace toolkit
