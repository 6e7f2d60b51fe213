#pragma once

#include "numbers/runtime_error.h"

namespace numbers {

// Runs one statement of the recompute routine. A run-time error abandons
// that statement alone: whatever it would have set keeps its value, nothing
// is reported, and the routine goes on with the next statement.
template <class Statement>
void resumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

} // namespace numbers
