#pragma once

#include <QStringList>

class CaptionGrammar;
class Form1;
struct DiagramState;

// What must hold in the main window between any two events, whatever came
// before: finite boxes, spots and lines on their vectors, vectors inside the
// circle, headings and angles in range and agreeing with their vectors, the
// hour records agreeing with their rows and the mean controls, every caption
// in its grammar and agreeing with the numbers, and colours agreeing with the
// wind angle. Returns one line per broken invariant.
QStringList brokenDiagramInvariants(const Form1& form, const DiagramState& state, const CaptionGrammar& grammar);
