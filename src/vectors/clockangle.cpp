#include "vectors/clockangle.h"

#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "vectors/clockhit.h"

namespace vec {

double AngleBoxNumber(std::string_view text) {
    if (const auto typed = rt::ReadSingleNumber(text)) return *typed;  // "22,5" is 22.5
    return rt::TextToNumber(text);
}

std::string AngleTextAfterPick(int hour, bool corner, std::string_view angleText) {
    if (IsAxisHour(hour)) return "0";
    if (corner) return "45";
    if (AngleBoxNumber(angleText) == 0.0) return "30";
    return std::string(angleText);
}

std::string SteppedAngleText(std::string_view angleText, std::string_view stepCaption) {
    const double v = AngleBoxNumber(angleText) + rt::TextToNumber(stepCaption);
    if (v < 90.0) return rt::NumberText(v);
    return std::string(angleText);
}

rt::Outcome<std::string> ArcTanAngleText(std::string_view typed) {
    using Result = rt::Outcome<std::string>;
    static const std::string kEvalError = "Error en la expresión.";
    try {
        num::CExpression e;
        e.RaiseErrors = false;
        e.SetExpression(rt::Trim(typed));
        if (e.ErrorCode() != 0) return Result::Refusal("Expresión " + std::string(typed) + " incorrecta.");
        const rt::Variant v = e.Value();
        if (v.IsEmptyText()) return Result::Refusal(kEvalError);
        const double angle = rt::RoundHalfEven(num::ArcTanDeg(v.ToNumber()), 3);
        return rt::NumberText(angle);
    } catch (const rt::RuntimeError&) { return Result::Refusal(kEvalError); }
}

}  // namespace vec
