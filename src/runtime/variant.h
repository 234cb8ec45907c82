#pragma once
// Variant cell: Empty, number, text or boolean, with the conversion rules of
// the runtime. Empty equals the empty text and converts to 0; a text converts
// to a number only when it is numeric (blanks around it allowed).
#include <string>
#include <variant>

namespace rt {

class Variant {
public:
    Variant() = default;  // Empty
    Variant(double d) : v_(d) {}
    Variant(int i) : v_(static_cast<double>(i)) {}
    Variant(bool b) : v_(b) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(std::string s) : v_(std::move(s)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool IsNumber() const { return std::holds_alternative<double>(v_); }
    bool IsText() const { return std::holds_alternative<std::string>(v_); }
    bool IsBool() const { return std::holds_alternative<bool>(v_); }

    // True for Empty and for "".
    bool IsEmptyText() const;
    // Empty gives 0, True -1, False 0; a non-numeric text raises TypeMismatch.
    double ToNumber() const;
    // Empty gives "", numbers their general text form, booleans "True"/"False".
    std::string ToText() const;
    // True when ToNumber would succeed.
    bool IsNumeric() const;

    const std::string& Text() const { return std::get<std::string>(v_); }
    double Number() const { return std::get<double>(v_); }

    bool operator==(const Variant& o) const { return v_ == o.v_; }

private:
    std::variant<std::monostate, double, std::string, bool> v_;
};

}  // namespace rt
