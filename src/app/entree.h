#pragma once

#include "diagram/diagram_state.h"

#include <memory>

class Form1;

// The start-up module: it owns the diagram state and the main window for the
// whole run. Main starts the tool, and runs again on every change of scale.
class Entree {
public:
    Entree();
    ~Entree();
    Entree(const Entree&) = delete;
    Entree& operator=(const Entree&) = delete;

    void Main();

    // The module's variables, which the main window reads and writes too.
    DiagramState& state() { return state_; }
    // The main window, once Main has loaded it.
    Form1* form1() { return form1_.get(); }

private:
    void drawRose();

    DiagramState state_;
    std::unique_ptr<Form1> form1_;
};
