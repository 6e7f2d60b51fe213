#include "toolkit/kept_drawing.h"
#include "toolkit/line.h"
#include "toolkit/outline_band.h"
#include "toolkit/segment_band.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

// The shortcuts the window takes while painting, held to what Qt really
// draws on this platform: leaving something out where it is not exposed,
// or blending kept pixels back, must change no pixel.
namespace {

QImage noise(QSize logical, double ratio, QRandomGenerator& random, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(logical * ratio, format);
    image.setDevicePixelRatio(ratio);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
    return image;
}

QImage paintedOn(const QImage& background, const std::function<void(QPainter&)>& draw)
{
    QImage image = background.copy();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

// The logical pixels where two images differ, each as a one-pixel region.
std::vector<QRegion> differingPixels(const QImage& a, const QImage& b)
{
    std::vector<QRegion> pixels;
    const double ratio = a.devicePixelRatio();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                pixels.emplace_back(static_cast<int>(x / ratio), static_cast<int>(y / ratio), 1, 1);
    return pixels;
}

TEST(PaintShortcuts, AnOutlineChangesOnlyPixelsItsBandExposes)
{
    QRandomGenerator random(8);
    for (double ratio : {1.0, 2.0})
        for (int width : {1, 4})
            for (Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine})
                for (int round = 0; round < 40; ++round) {
                    QRectF box(10 + random.generateDouble() * 5, 10 + random.generateDouble() * 5,
                               20 + random.generateDouble() * 60, 12 + random.generateDouble() * 40);
                    if (round % 4 == 0)
                        box = box.toRect();
                    const QImage background = noise({120, 80}, ratio, random);
                    const QRectF drawn = box.adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
                    const QImage filled = paintedOn(background, [&](QPainter& p) { p.fillRect(drawn, Qt::lightGray); });
                    const QImage outlined = paintedOn(background, [&](QPainter& p) {
                        QPen pen(Qt::blue, width, style);
                        pen.setCapStyle(Qt::FlatCap);
                        p.setPen(pen);
                        p.setBrush(Qt::lightGray);
                        p.drawRect(drawn);
                    });
                    for (const QRegion& pixel : differingPixels(filled, outlined)) {
                        ASSERT_TRUE(toolkit::exposesOutline(pixel, box, width))
                            << "pixel " << pixel.boundingRect().x() << "," << pixel.boundingRect().y();
                    }
                    const QPoint middle = box.center().toPoint();
                    if (box.width() > 2 * width + 4 && box.height() > 2 * width + 4) {
                        EXPECT_FALSE(toolkit::exposesOutline(QRegion(middle.x(), middle.y(), 1, 1), box, width));
                    }
                }
}

TEST(PaintShortcuts, ALineChangesOnlyPixelsItsSegmentExposes)
{
    QRandomGenerator random(9);
    for (double ratio : {1.0, 2.0})
        for (int width : {1, 2})
            for (int round = 0; round < 40; ++round) {
                const QPointF from(50 + random.generateDouble() * 20, 50 + random.generateDouble() * 20);
                const double angle = random.generateDouble() * 2 * M_PI;
                const QPointF to = from + 40 * QPointF(std::cos(angle), std::sin(angle));
                const QImage background = noise({120, 120}, ratio, random);
                const QImage lined = paintedOn(background, [&](QPainter& p) {
                    p.setPen(toolkit::Line::pen(Qt::blue, width));
                    p.drawLine(from, to);
                });
                for (const QRegion& pixel : differingPixels(background, lined)) {
                    ASSERT_TRUE(toolkit::exposesSegment(pixel, from, to, width));
                }
                // Beside the middle of the line, well clear of it.
                const QPointF normal(-std::sin(angle), std::cos(angle));
                const QPointF beside = (from + to) / 2 + (width + 4) * normal;
                EXPECT_FALSE(toolkit::exposesSegment(QRegion(QRectF(beside, QSizeF(1, 1)).toRect()), from, to, width));
            }
}

TEST(PaintShortcuts, AOnePixelLineEndsAsARoundPenWouldAtTheScreensOwnDensity)
{
    QRandomGenerator random(11);
    for (int round = 0; round < 40; ++round) {
        const QPointF from(50 + random.generateDouble() * 20, 50 + random.generateDouble() * 20);
        const double angle = random.generateDouble() * 2 * M_PI;
        const QPointF to = from + random.generateDouble() * 40 * QPointF(std::cos(angle), std::sin(angle));
        const QImage background = noise({120, 120}, 1.0, random);
        const auto drawnWith = [&](const QPen& pen) {
            return paintedOn(background, [&](QPainter& p) {
                p.setPen(pen);
                p.drawLine(from, to);
            });
        };
        ASSERT_EQ(drawnWith(toolkit::Line::pen(Qt::green, 1)), drawnWith(QPen(Qt::green, 1, Qt::SolidLine, Qt::RoundCap)))
            << "round " << round;
    }
}

TEST(PaintShortcuts, KeptPixelsBlendBackAsDrawingAgainWould)
{
    QRandomGenerator random(10);
    for (double ratio : {1.0, 2.0})
        for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
            for (int round = 0; round < 20; ++round) {
                const QPointF from(60 + random.generateDouble(), 60 + random.generateDouble());
                const double angle = random.generateDouble() * 2 * M_PI;
                const QPointF to = from + (20 + random.generateDouble() * 40) * QPointF(std::cos(angle), std::sin(angle));
                const QPen pen = toolkit::Line::pen(QColor::fromRgb(random.generate()), 1 + round % 2);
                const auto draw = [&](QPainter& p) {
                    p.setPen(pen);
                    p.drawLine(from, to);
                };
                const QRectF bounds = QRectF(from, to).normalized().adjusted(-3, -3, 3, 3);
                const QImage background = noise({120, 120}, ratio, random, format);
                // What a full repaint shows. Drawing the line again under a
                // clip that cuts it is no reference: at double density Qt
                // shades a thin line's edge a level or two differently there.
                const QImage whole = paintedOn(background, draw);
                toolkit::KeptDrawing kept;
                // Kept on the first call that repeats a drawing, reused after.
                for (const QRegion& exposed : {QRegion(55, 55, 12, 9) + QRegion(70, 40, 30, 30), QRegion(0, 0, 120, 120)}) {
                    const QImage repainted = paintedOn(background, [&](QPainter& p) {
                        p.setClipRegion(exposed);
                        p.drawImage(QPointF(0, 0), whole);
                    });
                    const QImage blended = paintedOn(background, [&](QPainter& p) {
                        p.setClipRegion(exposed);
                        kept.paint(p, bounds, true, exposed, draw);
                    });
                    ASSERT_EQ(blended, repainted) << "ratio " << ratio << ", round " << round;
                }
            }
}

// Kept pixels are of the density they were drawn at: a window moved to a
// screen of another density draws them again.
TEST(PaintShortcuts, KeptPixelsFollowAChangeOfDensity)
{
    QRandomGenerator random(12);
    const auto draw = [](QPainter& p) {
        p.setPen(toolkit::Line::pen(Qt::blue, 1));
        p.drawLine(QPointF(20.3, 30.6), QPointF(90.2, 70.1));
    };
    const QRectF bounds(15, 25, 80, 50);
    const QRegion exposed(0, 0, 120, 120);
    toolkit::KeptDrawing kept;
    for (double ratio : {1.0, 2.0, 1.0}) {
        const QImage background = noise({120, 120}, ratio, random);
        const QImage blended = paintedOn(background, [&](QPainter& p) { kept.paint(p, bounds, true, exposed, draw); });
        ASSERT_EQ(blended, paintedOn(background, draw)) << "ratio " << ratio;
    }
}

} // namespace
