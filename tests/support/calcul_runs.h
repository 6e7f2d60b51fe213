#pragma once

// How many times Form1::Calcul has run in this process, counted without a
// hook in the tool: test programs that link calcul_runs.cpp also pass the
// linker --wrap for Calcul's symbol (see tests/CMakeLists.txt), so every call
// from another source file of the tool goes through the counter first.
long calculRuns();
