#include "support/calcul_runs.h"

class Form1;

namespace {
long runs = 0;
}

long calculRuns() { return runs; }

// Form1::Calcul() is _ZN5Form16CalculEv; a member function without arguments
// takes its object as its only argument.
extern "C" {
void __real__ZN5Form16CalculEv(Form1* form);

void __wrap__ZN5Form16CalculEv(Form1* form)
{
    ++runs;
    __real__ZN5Form16CalculEv(form);
}
}
