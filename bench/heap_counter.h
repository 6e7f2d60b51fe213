#pragma once

#include <cstddef>
#include <cstdint>

// What the process has taken from the C heap, counted by this benchmark
// binary's own malloc family. Qt's strings and containers allocate with
// malloc directly, not with operator new, so counting at this level is what
// sees a caption being built.
namespace heap {

// Calls that obtained memory: malloc, calloc, realloc and the aligned forms.
std::uint64_t allocations();
// Bytes handed out and not yet freed, as the allocator sized the blocks.
std::int64_t bytesInUse();

} // namespace heap
