#pragma once

#include <stdexcept>

namespace numbers {

// The run-time errors the arithmetic and the controls can raise. Callers that
// must survive them (the recompute routine) catch this one type.
enum class ErrorKind {
    Overflow,
    DivisionByZero,
    InvalidOperation,
    TypeMismatch,
    InvalidPropertyValue,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const char* what) : std::runtime_error(what), kind_(kind) {}
    ErrorKind kind() const { return kind_; }

private:
    ErrorKind kind_;
};

} // namespace numbers
