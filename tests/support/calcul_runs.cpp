#include "support/calcul_runs.h"

#include <optional>
#include <stdexcept>

class Form1;

namespace {
long runs = 0;
std::optional<CalculFails> nextFailure;

void failNowIf(CalculFails when)
{
    if (nextFailure != when)
        return;
    nextFailure.reset();
    throw std::logic_error("Calcul failed as the test asked");
}
} // namespace

long calculRuns() { return runs; }

void failNextCalcul(CalculFails when) { nextFailure = when; }

// Form1::Calcul() is _ZN5Form16CalculEv; a member function without arguments
// takes its object as its only argument.
extern "C" {
void __real__ZN5Form16CalculEv(Form1* form);

void __wrap__ZN5Form16CalculEv(Form1* form)
{
    ++runs;
    failNowIf(CalculFails::Before);
    __real__ZN5Form16CalculEv(form);
    failNowIf(CalculFails::After);
}
}
