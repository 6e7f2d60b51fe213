#include "toolkit/event_handler.h"

#include <cstdio>
#include <exception>

namespace toolkit {

// Called from inside a catch block: the exception being handled is the one
// to report.
void reportDroppedEvent(const char* handler) noexcept
{
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "loxane: %s: %s\n", handler, error.what());
    } catch (...) {
        std::fprintf(stderr, "loxane: %s: unknown exception\n", handler);
    }
}

} // namespace toolkit
