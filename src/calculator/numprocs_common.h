#pragma once
// What the numeric procedures of the calculator share: the outcome of one
// run as plain data (a message to show, whether the run stops there, the
// result lines to write), and small text and argument helpers. No widgets.
#include <span>
#include <string>
#include <string_view>

#include "calculator/args.h"
#include "runtime/errors.h"
#include "runtime/variant.h"
#include "text/resultformat.h"

namespace calc {

inline constexpr const char* kCrLf = "\r\n";

// One run of a numeric procedure, computed apart from the panes and boxes.
// The driver shows `message` (when not empty) in a message box; then, when
// `stop` is set, the run ends there: nothing is written and the result tab
// is not switched. Otherwise `lines` (when there are any) go to the result
// pane.
struct ProcReport {
    std::string message;
    bool stop = false;
    text::ResultLines lines;

    static ProcReport Stop(std::string message) {
        ProcReport r;
        r.message = std::move(message);
        r.stop = true;
        return r;
    }
};

// A typed function as it is quoted in a result line: every "/" doubled,
// since a single "/" opens a run of the formula markup.
inline std::string QuoteFunction(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (char c : text) {
        out += c;
        if (c == '/') out += '/';
    }
    return out;
}

// Argument i (from 1) of the list; a missing one is a run-time error.
inline const rt::Variant& Arg(std::span<const rt::Variant> args, int i) {
    rt::CheckIndex(i, 1, static_cast<long long>(args.size()));
    return args[static_cast<size_t>(i - 1)];
}
inline double NumArg(std::span<const rt::Variant> args, int i) { return Arg(args, i).ToNumber(); }
// An argument written as the user's value: a number in its general text form.
inline std::string ArgText(std::span<const rt::Variant> args, int i) { return Arg(args, i).ToText(); }

// The message that asks for a formula to be corrected after a compile error.
inline std::string CorrectExpression(const std::string& description, std::string_view text) {
    return description + kCrLf + "Corrige la expresión " + std::string(text);
}

}  // namespace calc
