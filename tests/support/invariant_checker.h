#pragma once

#include "diagram/diagram_state.h"
#include "main_window/form1_variables.h"
#include "support/calcul_runs.h"
#include "support/caption_grammar.h"
#include "support/diagram_events.h"

#include <QColor>
#include <QStringList>

#include <vector>

class Form1;

// The one checker of the tool's invariants: what must hold between any two
// events (see diagram_invariants.h), and what each event may change. A move
// inside the circle with the left button alone sets exactly one of boat,
// current and wind and runs Calcul once; any other move changes nothing; a
// click on an hour or an erase button records or erases that hour alone, or
// changes nothing; a scale click starts the diagram afresh at that scale;
// opening and closing the help window change nothing on the main window.
// There is one top-level window, two while the help window is open.
// Captions are read in the decimal separator of the default locale.
//
// Call beforeEvent(), deliver the event, then brokenAfter(event): an empty
// list means every invariant holds.
class InvariantChecker {
public:
    InvariantChecker(Form1& form, const DiagramState& state);

    void beforeEvent();
    QStringList brokenAfter(const DiagramEvent& event) const;
    // The runs of Calcul it counts, which a test may make fail.
    CalculRuns& calculRuns() { return calculRuns_; }

private:
    // What the user can see of the main window, to tell whether it changed.
    struct View {
        std::vector<float> geometry;
        std::vector<bool> visibility;
        std::vector<QString> captions;
        std::vector<QRgb> colours;
        bool operator==(const View&) const = default;
    };
    struct Moment {
        DiagramState state;
        Form1Variables var;
        View view;
        long calculRuns = 0;
    };

    Moment now() const;
    void checkMove(const PointerMove& move, QStringList& broken) const;
    void checkHourClick(int index, QStringList& broken) const;
    void checkEraseClick(int index, QStringList& broken) const;
    void checkScaleClick(int index, QStringList& broken) const;
    void checkHelpEvent(bool opening, QStringList& broken) const;
    void checkWindows(QStringList& broken) const;
    void checkNothingChanged(QStringList& broken) const;
    void checkCalculRuns(long expected, QStringList& broken) const;

    const Form1& form_;
    CalculRuns calculRuns_;
    const DiagramState& state_;
    const CaptionGrammar grammar_;
    Moment before_;
};
