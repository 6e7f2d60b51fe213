#include "toolkit/caption_layout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Caption {
    const char* text;
    int pixelSize;
    bool bold;
    QRectF area;
    bool centred;
};

// Readouts as the window shows them, text that wraps, breaks, overflows
// and is clipped, and no text at all, on fractional positions.
const Caption captions[] = {
    {"COG moyen:  7,1n  349 °", 14, true, {4.0, 421.0, 318.8, 18.8}, true},
    {"Vent 225/ 92°", 14, true, {189.0, 345.0, 134.8, 18.8}, true},
    {" 12: 1,2n  45°", 13, false, {349.0, 97.0, 94.0, 14.0}, false},
    {"Intégrale courant", 14, false, {332.0, 420.0, 128.8, 20.8}, true},
    {"Une ligne bien trop longue pour la boîte étroite", 12, false, {10.3, 5.7, 61.4, 80.0}, false},
    {"Ligne une\u2028Ligne deux", 14, false, {10.5, 5.5, 120.0, 40.0}, true},
    {"Trop haute\u2028pour\u2028sa boîte", 16, false, {3.2, 2.6, 90.0, 20.0}, true},
    {"Tab\tet\nsaut", 14, false, {0.0, 0.0, 100.0, 40.0}, false},
    {"", 14, false, {5.0, 5.0, 50.0, 20.0}, true},
};

QImage blank(double ratio)
{
    QImage image(QSize(470, 450) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(224, 224, 224));
    return image;
}

QFont fontOf(const Caption& caption)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(caption.pixelSize);
    font.setBold(caption.bold);
    return font;
}

QImage drawnByDrawText(const Caption& caption, double ratio)
{
    QImage image = blank(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(fontOf(caption));
    const int flags = (caption.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap;
    painter.drawText(caption.area, flags, QString::fromUtf8(caption.text));
    return image;
}

QImage drawnByLayout(const Caption& caption, double ratio, toolkit::CaptionLayout& layout)
{
    QImage image = blank(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(fontOf(caption));
    layout.layOut(QString::fromUtf8(caption.text), painter.font(), caption.area.size(), caption.centred,
                  Qt::LeftToRight);
    layout.paint(painter, caption.area);
    return image;
}

TEST(CaptionLayout, PaintsTheVeryPixelsDrawTextPaints)
{
    for (double ratio : {1.0, 2.0})
        for (const Caption& caption : captions) {
            toolkit::CaptionLayout layout;
            EXPECT_EQ(drawnByLayout(caption, ratio, layout), drawnByDrawText(caption, ratio))
                << caption.text << " at ratio " << ratio;
        }
}

TEST(CaptionLayout, PaintsNothingOutsideItsInkArea)
{
    const QImage background = blank(1.0);
    for (double ratio : {1.0, 2.0})
        for (const Caption& caption : captions) {
            toolkit::CaptionLayout layout;
            const QImage image = drawnByLayout(caption, ratio, layout);
            // Glyphs land within half a pixel of their boxes, a pixel across.
            const QRectF allowed = layout.inkArea(caption.area.topLeft()).adjusted(-1, -0.5, 1, 0.5);
            int outside = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != background.pixel(0, 0)
                        && !allowed.intersects(QRectF(x / ratio, y / ratio, 1 / ratio, 1 / ratio)))
                        ++outside;
            EXPECT_EQ(outside, 0) << caption.text << " at ratio " << ratio;
            EXPECT_EQ(layout.inkArea({}).isEmpty(), QString::fromUtf8(caption.text).isEmpty()) << caption.text;
        }
}

TEST(CaptionLayout, FollowsANewTextFontOrSize)
{
    const Caption first = captions[1];
    toolkit::CaptionLayout layout;
    drawnByLayout(first, 1.0, layout);
    for (Caption changed : {Caption{"Vent 5/ 3°", 14, true, first.area, true},
                            Caption{first.text, 16, false, first.area, true},
                            Caption{first.text, 14, true, first.area.adjusted(0, 0, -60, 0), true},
                            Caption{first.text, 14, true, first.area, false}})
        EXPECT_EQ(drawnByLayout(changed, 1.0, layout), drawnByDrawText(changed, 1.0)) << changed.text;
}

} // namespace
