#include "heap_counter/heap_counter.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)

#include <cstddef>

// The sanitizer's runtime provides these; GCC ships no header that declares
// them, so they are declared here as its interface gives them.
extern "C" {
std::size_t __sanitizer_get_current_allocated_bytes();
int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, std::size_t),
                                              void (*freeHook)(const volatile void*));
}

// The sanitizer's allocator cannot be replaced; it keeps the bytes in use
// itself and calls a hook on every allocation.
namespace {
std::atomic<std::uint64_t> allocationCount{0};

void counted(const volatile void*, std::size_t) { allocationCount.fetch_add(1, std::memory_order_relaxed); }
void released(const volatile void*) {}

const bool hooked = __sanitizer_install_malloc_and_free_hooks(counted, released) != 0;
} // namespace

namespace heap {
std::uint64_t allocations() { return hooked ? allocationCount.load(std::memory_order_relaxed) : 0; }
std::int64_t bytesInUse() { return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes()); }
} // namespace heap

#else

#include <malloc.h>

#include <cerrno>

// glibc lets a program replace its malloc family and still reach the
// original through these entry points.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {
std::atomic<std::uint64_t> allocationCount{0};
std::atomic<std::int64_t> liveBytes{0};

void* taken(void* block)
{
    if (block) {
        allocationCount.fetch_add(1, std::memory_order_relaxed);
        liveBytes.fetch_add(static_cast<std::int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
    }
    return block;
}

void released(void* block)
{
    if (block)
        liveBytes.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
}
} // namespace

namespace heap {
std::uint64_t allocations() { return allocationCount.load(std::memory_order_relaxed); }
std::int64_t bytesInUse() { return liveBytes.load(std::memory_order_relaxed); }
} // namespace heap

extern "C" {

void* malloc(std::size_t size) noexcept { return taken(__libc_malloc(size)); }

void* calloc(std::size_t count, std::size_t size) noexcept { return taken(__libc_calloc(count, size)); }

void* realloc(void* block, std::size_t size) noexcept
{
    const auto before = block ? static_cast<std::int64_t>(malloc_usable_size(block)) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved || size == 0)
        liveBytes.fetch_sub(before, std::memory_order_relaxed);
    return taken(moved);
}

void free(void* block) noexcept
{
    released(block);
    __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept { return taken(__libc_memalign(alignment, size)); }

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept { return memalign(alignment, size); }

int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept
{
    void* block = memalign(alignment, size);
    if (!block)
        return ENOMEM;
    *result = block;
    return 0;
}

void* valloc(std::size_t size) noexcept { return memalign(4096, size); }

} // extern "C"

#endif
