#pragma once

#include "toolkit/runtime_error.h"

// Runs one statement of the recompute routine. A run-time error abandons
// that statement alone: whatever it would have set keeps its value, nothing
// is reported, and the routine goes on with the next statement.
template <class Statement>
void resumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (const toolkit::RuntimeError&) {
    }
}
