#pragma once

#include <functional>
#include <utility>

namespace toolkit {

// Names the tool in the reports below; the start-up sets it, before any
// event. The name must last as long as the program.
void setToolName(const char* name) noexcept;

// Reports an exception a handler let out, one line on standard error:
// "<tool>: <handler>: <what>".
void reportDroppedEvent(const char* handler) noexcept;

// The handler of a control's event, with the name it answers to. The toolkit
// calls it from inside Qt's event delivery, where an exception would end the
// tool: one that escapes the handler is reported, and the event is dropped.
template <class... Args>
class EventHandler {
public:
    EventHandler() = default;
    template <class Run>
    EventHandler(Run run) : name_("handler"), run_(std::move(run)) // NOLINT: a bare function is a handler too
    {
    }
    template <class Run>
    EventHandler(const char* name, Run run) : name_(name), run_(std::move(run))
    {
    }

    explicit operator bool() const { return static_cast<bool>(run_); }
    const char* name() const { return name_; }

    void operator()(Args... args) const noexcept
    {
        try {
            run_(args...);
        } catch (...) {
            reportDroppedEvent(name_);
        }
    }

private:
    const char* name_ = "";
    std::function<void(Args...)> run_;
};

} // namespace toolkit
