#include "runtime/variant.h"

#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace rt {

bool Variant::IsEmptyText() const { return IsEmpty() || (IsText() && Text().empty()); }

double Variant::ToNumber() const {
    if (IsEmpty()) return 0.0;
    if (IsNumber()) return Number();
    if (IsBool()) return std::get<bool>(v_) ? -1.0 : 0.0;
    return TextToNumber(Text());
}

std::string Variant::ToText() const {
    if (IsEmpty()) return "";
    if (IsNumber()) return NumberText(Number());
    if (IsBool()) return std::get<bool>(v_) ? "True" : "False";
    return Text();
}

bool Variant::IsNumeric() const {
    if (IsEmpty() || IsNumber() || IsBool()) return true;
    return rt::IsNumeric(Text());
}

}  // namespace rt
