#pragma once

class QWidget;

// Ends the program just after the window's first frame is painted, and
// prints the wall-clock time of that moment in microseconds since the epoch,
// for the caller to subtract the time it started the program.
void quitAfterFirstFrame(QWidget& window);
