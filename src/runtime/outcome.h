#pragma once
// The answer of a computation that may refuse: its value, or the text that
// says why there is none (for the caller to show; it may be empty when there
// is nothing to say).
//   if (!r.ok()) Show(r.message());  else use r->field, r.value(), *r ...
// Reading the value of a refusal is a fault of the program (rt::ProgramFault):
// it reaches the guard instead of passing for bad input.
#include <optional>
#include <string>
#include <utility>

#include "runtime/errors.h"

namespace rt {

template <class T>
class Outcome {
public:
    Outcome(T value) : value_(std::move(value)) {}
    static Outcome Refusal(std::string message) { return Outcome(std::move(message), 0); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // The refusal's text; empty when ok().
    const std::string& message() const { return message_; }
    const T& value() const {
        if (!value_) Fault("value read from a refusal: " + message_);
        return *value_;
    }
    T& value() {
        if (!value_) Fault("value read from a refusal: " + message_);
        return *value_;
    }
    // The value, or for a refusal of what the user typed a run-time error,
    // which the caller's handler answers with its message: for callers that
    // treat every refusal of their input alike.
    const T& ValueOrBadInput() const {
        if (!value_) Raise(ErrorCode::TypeMismatch);
        return *value_;
    }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const T& operator*() const { return value(); }

private:
    Outcome(std::string message, int) : message_(std::move(message)) {}
    std::optional<T> value_;
    std::string message_;
};

}  // namespace rt
