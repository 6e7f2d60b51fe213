#pragma once

#include "support/invariant_geometry.h"

#include <QStringList>

class CaptionGrammar;
class Form1;
struct DiagramState;

namespace toolkit {
class Label;
class Shape;
} // namespace toolkit

// The checks behind brokenDiagramInvariants, over one moment of the main
// window and its state: where things lie (diagram_invariants.cpp), and what
// the readouts, hour rows and colours say (diagram_readout_invariants.cpp).
class DiagramChecks {
public:
    DiagramChecks(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar);

    QStringList run();

private:
    void fail(const QString& what) { broken << what; }
    double knots(plane::Vec v) const { return length(v) / s.TwipsPerKnot; }

    // Where things lie.
    void finiteBoxes();
    void spotOnVector(const char* name, const toolkit::Shape& spot, const toolkit::Line& line, plane::Vec vector,
                      double slack = plane::PositionSlack);
    void tagFollows(const toolkit::Label& tag, const toolkit::Shape& spot);
    void triangle();
    void windLine();
    void vectorsInsideTheCircle();
    // A whole-degree heading is its vector's bearing rounded, unless the
    // vector has no direction to give.
    void headingOf(const char* name, int heading, plane::Vec v, bool hasDirection);
    void foldedAngle(const char* name, int angle, int a, int b);
    void headingsAndAngles();
    void means();

    // What the readouts, the hour rows and the colours say.
    void hourRows();
    void vectorReadout(const toolkit::Label& label, plane::Vec v, int heading);
    void readouts();
    void colours();
    void scaleButtons();

    const Form1& f;
    const DiagramState& s;
    const CaptionGrammar& grammar;
    const plane::Vec centre, boat, current;
    const plane::Records records;
    QStringList broken;
};
