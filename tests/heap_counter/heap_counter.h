#pragma once

#include <cstddef>
#include <cstdint>

// What the process has taken from the C heap, counted in the program that
// links heap_counter.cpp, so that it sees every allocation, Qt's included.
// Qt's strings and containers allocate with malloc directly, not with
// operator new, so counting at this level is what sees a caption being built.
// Under AddressSanitizer, which owns malloc, the sanitizer does the counting.
namespace heap {

// Calls that obtained memory: malloc, calloc, realloc and the aligned forms.
std::uint64_t allocations();
// Bytes handed out and not yet freed, as the allocator sized the blocks
// (under AddressSanitizer, as they were asked for).
std::int64_t bytesInUse();

} // namespace heap
