#include "toolkit/event_handler.h"

#include <cstdio>
#include <exception>

namespace toolkit {

namespace {
const char* toolName = "";
} // namespace

void setToolName(const char* name) noexcept { toolName = name; }

// Called from inside a catch block: the exception being handled is the one
// to report.
void reportDroppedEvent(const char* handler) noexcept
{
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s: %s\n", toolName, handler, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: %s: unknown exception\n", toolName, handler);
    }
}

} // namespace toolkit
