#pragma once

#include "numbers/runtime_error.h"

namespace numbers {

// Runs one statement of the recompute routine. A run-time error abandons
// that statement alone: whatever it would have set keeps its value, nothing
// is reported, and the routine goes on with the next statement. Any other
// exception is a fault: it leaves the routine, and the event that ran it is
// undone and dropped.
template <class Statement>
void resumeNext(Statement&& statement)
{
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

} // namespace numbers
