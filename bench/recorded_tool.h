#pragma once

#include "support/started_tool.h"

#include <QPointF>

// The real tool after a real start-up, with all 24 hours recorded, each from
// a current dragged a little further than the last, so every hour counts in
// the means a drag recomputes.
class RecordedTool : public StartedTool {
public:
    RecordedTool();

    // Delivers a left-button move at a logical pixel through Qt's event
    // dispatch, as the platform delivers it.
    void pointerMove(QPointF pixel);

    // Paints what is waiting to be painted into the window's backing store
    // and flushes it, as the event loop does for one frame: only the region
    // the last changes invalidated, child buttons included where it meets
    // them.
    void paintFrame();
};

// A drag of the boat spot back and forth between two points a few pixels
// apart, both within the spot's grab radius of each other, so that every
// step moves the spot and changes the readouts.
class BoatDrag {
public:
    explicit BoatDrag(RecordedTool& tool);
    void step();

private:
    RecordedTool& tool_;
    QPointF ends_[2];
    int next_ = 0;
};
