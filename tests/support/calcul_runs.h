#pragma once

// How many times Form1::Calcul has run in this process, counted without a
// hook in the tool: test programs that link calcul_runs.cpp also pass the
// linker --wrap for Calcul's symbol (see tests/CMakeLists.txt), so every call
// from another source file of the tool goes through the counter first.
long calculRuns();

// Makes the next run of Calcul fail with an exception the tool does not
// expect, before it has rewritten anything or after it has rewritten
// everything: a handler that calls it then fails half-way.
enum class CalculFails { Before, After };
void failNextCalcul(CalculFails when);
