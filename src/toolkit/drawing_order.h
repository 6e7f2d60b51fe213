#pragma once

#include <QString>

#include <vector>

namespace toolkit {

class LightControl;

// A window's windowless controls, back to front: the one list that its
// painting, its pointer and assistive technology all go by. A control joins
// as it is made, in front of those before it, and leaves as it goes.
class DrawingOrder {
public:
    void add(LightControl* control) { backToFront_.push_back(control); }
    void remove(const LightControl* control);

    // Front first, as a layout lists its overlaps: every control, each once.
    // A control left out, listed twice or not of this list is a fault of
    // the layout: it is reported, naming the window, as a critical message
    // (which fails the tests) and, in a debug build, stops the program;
    // otherwise the controls left out lie behind the others.
    void reorder(const std::vector<const LightControl*>& frontFirst, const QString& windowName);

    const std::vector<LightControl*>& backToFront() const { return backToFront_; }

private:
    std::vector<LightControl*> backToFront_;
};

} // namespace toolkit
