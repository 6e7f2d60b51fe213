#pragma once

#include "diagram/diagram_state.h"
#include "main_window/form1.h"

#include <initializer_list>
#include <string>
#include <vector>

// What the vector triangle leaves on the window: the boxes of the three spots
// and two tags, the ends of the three lines, and the readouts, so that two
// moments can be compared exactly.
struct TriangleView {
    std::vector<float> geometry;
    std::vector<bool> linesVisible;
    std::vector<std::string> texts;

    bool operator==(const TriangleView&) const = default;
};

inline TriangleView triangleView(const Form1& form, const DiagramState& state)
{
    TriangleView view;
    // Value by value: GCC 12's optimiser mistakes a vector grown by a whole
    // list for an overflow (-Wstringop-overflow, a false alarm).
    const auto keep = [&view](std::initializer_list<float> values) {
        for (float value : values)
            view.geometry.push_back(value);
    };
    for (const toolkit::Shape* spot : {&form.Vb, &form.Vc, &form.Vf})
        keep({spot->left(), spot->top()});
    for (const toolkit::Label* tag : {&form.Boat, &form.Flux})
        keep({tag->left(), tag->top()});
    for (const toolkit::Line* line : {&form.Lb, &form.Lc, &form.Lf}) {
        keep({line->x1(), line->y1(), line->x2(), line->y2()});
        view.linesVisible.push_back(line->visible());
    }
    for (const QString& text : {form.COG.caption(), form.Flow.caption(), form.Sail.caption(), state.SegmentText})
        view.texts.push_back(text.toStdString());
    return view;
}
