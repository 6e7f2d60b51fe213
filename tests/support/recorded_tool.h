#pragma once

#include "support/started_tool.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QMouseEvent>
#include <QPointF>
#include <QWindow>

#include <cmath>

// The real tool after a real start-up, exposed on the platform, with all 24
// hours recorded, each from a current dragged a little further than the
// last, so every hour counts in the means a drag recomputes. Frames are
// painted on request, as the event loop paints them.
class RecordedTool : public StartedTool {
public:
    RecordedTool()
    {
        Form1& f = form();
        // Nothing is painted until the platform has exposed the window.
        while (!f.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        for (int hour = 0; hour < f.Heure.size(); ++hour) {
            moveFromCentre(state().CurrentX + 30, state().CurrentY);
            f.Heure(hour).click();
        }
        paintFrame();
    }

    // A left-button move at a logical pixel, through Qt's event dispatch.
    void pointerMove(QPointF pixel)
    {
        QMouseEvent move(QEvent::MouseMove, pixel, form().mapToGlobal(pixel), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&form(), &move);
    }

    // Delivers every posted event, as each turn of the event loop does: the
    // window's update request paints what changed into its backing store
    // and flushes it, and Qt drops the delivered entries.
    void paintFrame() { QCoreApplication::sendPostedEvents(); }

    // What the window shows: its backing store, in device pixels.
    QImage shown()
    {
        return static_cast<QImage*>(form().backingStore()->paintDevice())->convertToFormat(QImage::Format_RGB32);
    }

    // Where a vector's spot lies, in whole logical pixels.
    QPointF spotPixel(float x, float y)
    {
        const QPointF at = toolkit::pixelPoint(state().CenterX + x, state().CenterY + y);
        return {std::round(at.x()), std::round(at.y())};
    }
};

// A drag of the boat spot back and forth between two points 4 pixels
// (60 twips) apart, within the spot's grab radius of each other, so that
// every step moves the spot and changes the readouts.
class BoatDrag {
public:
    explicit BoatDrag(RecordedTool& tool)
        : tool_(tool), ends_{tool.spotPixel(tool.state().BoatX, tool.state().BoatY),
                             tool.spotPixel(tool.state().BoatX, tool.state().BoatY) + QPointF(4, 0)}
    {
    }

    void step()
    {
        tool_.pointerMove(ends_[next_]);
        next_ = 1 - next_;
        tool_.paintFrame();
    }

private:
    RecordedTool& tool_;
    QPointF ends_[2];
    int next_ = 0;
};
