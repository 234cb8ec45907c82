// The formula object itself: its life (copies keep variables of their own),
// its list of variables and its compile-error state. The language lives in
// expression_lex.cpp, the plan in expression_compile.cpp, the evaluator in
// expression_eval.cpp and the root search in expression_roots.cpp.
#include "numerics/expression.h"

#include <algorithm>

#include "numerics/expression_internal.h"

namespace num {

using namespace expr_internal;

double AngleUnitStore::stored_ = kDefaultAngleFactor;

CExpression::CExpression() = default;

CExpression::CExpression(const CExpression& other) { *this = other; }

CExpression& CExpression::operator=(const CExpression& other) {
    if (this == &other) return *this;
    RaiseErrors = other.RaiseErrors;
    AutoCreateVariables = other.AutoCreateVariables;
    text_ = other.text_;
    errCode_ = other.errCode_;
    errDescription_ = other.errDescription_;
    errPos_ = other.errPos_;
    roots_ = other.roots_;
    rpn_ = other.rpn_;
    plan_ = other.plan_;
    runnable_ = other.runnable_;
    singleVariable_ = other.singleVariable_;
    auto clone = [](const std::shared_ptr<CVariable>& v) { return std::make_shared<CVariable>(*v); };
    variables_.clear();
    for (const auto& v : other.variables_) variables_.push_back(clone(v));
    // The program's variables become the copies of the same names (or copies
    // of their own when the list no longer holds them).
    progVars_.clear();
    for (const auto& pv : other.progVars_) {
        std::shared_ptr<CVariable> mine;
        for (size_t i = 0; i < other.variables_.size(); ++i)
            if (other.variables_[i] == pv) mine = variables_[i];
        progVars_.push_back(mine ? mine : clone(pv));
    }
    MapSlots();
    return *this;
}

void CExpression::ClearError() {
    errCode_ = 0;
    errDescription_.clear();
    errPos_ = 0;
    MapSlots();
}

void CExpression::ThrowIfError() const {
    if (errCode_ != 0) throw ExpressionError(errCode_, errPos_, errDescription_);
}

std::shared_ptr<CVariable> CExpression::Variable(int position) const {
    if (position < 1 || position > VariablesCount()) return nullptr;
    return variables_[static_cast<size_t>(position - 1)];
}

std::shared_ptr<CVariable> CExpression::Variable(std::string_view name, bool createIfNeeded) {
    std::string key = UpperText(name);
    for (const auto& v : variables_)
        if (UpperText(v->Name) == key) return v;
    if (!createIfNeeded) return nullptr;
    auto v = std::make_shared<CVariable>();
    v->Name = std::string(name);
    AddVariable(v);
    return v;
}

int CExpression::AddVariable(std::shared_ptr<CVariable> newVar) {
    if (!newVar) return 0;
    std::string key = UpperText(newVar->Name);
    std::erase_if(variables_, [&](const auto& v) { return UpperText(v->Name) == key; });
    size_t pos = 0;
    while (pos < variables_.size() && UpperText(variables_[pos]->Name) <= key) ++pos;
    variables_.insert(variables_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(newVar));
    MapSlots();
    return static_cast<int>(pos) + 1;
}

}  // namespace num
