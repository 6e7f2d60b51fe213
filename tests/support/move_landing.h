#pragma once

#include <QString>

class Form1;
struct DiagramState;
struct PointerMove;

// Where a pointer move over the main window lands, and what it must set:
// which of the boat, the current and the wind, and the pointer's offset from
// the centre in twips, worked in single precision as the window receives it.
enum class Moved { Nothing, Boat, Current, Wind };

const char* nameOf(Moved moved);

struct Offset {
    float x, y;
};

bool operator==(Offset a, Offset b);
QString text(Offset o);

struct Landing {
    Moved moved = Moved::Nothing;
    Offset at{0, 0};
};

// Judged on the state before the move.
Landing landingOf(const PointerMove& move, const Form1& form, const DiagramState& s);
