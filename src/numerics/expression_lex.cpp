// The language: its symbols, the scanning of a formula's text and its
// translation into a reverse-Polish program (operator precedence with a
// stack of pending operators and one of argument counts).
#include <locale.h>
#include <cmath>
#include <cstdlib>
#include <string>

#include "numerics/expression.h"
#include "numerics/expression_internal.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"

namespace num {

using namespace expr_internal;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Numbers of the text: "." as the point whatever the process locale.
locale_t CLocale() {
    static locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

std::string_view CExpression::SymbolName(int code) {
    if (code < 0 || code >= 68 || code == kEndMark) return {};
    return kSymbols[code].name;
}

// Records a compile error; Parse returns straight after (a refusal is
// common on typed text, so it costs no exception).
void CExpression::Fail(int code, const std::string& description) {
    errCode_ = code;
    errDescription_ = description;
}

void CExpression::Emit(const Token& t) {
    if (static_cast<int>(rpn_.size()) >= kMaxTokens) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    rpn_.push_back(t);
}

int CExpression::VariableSlot(const std::shared_ptr<CVariable>& v) {
    for (size_t i = 0; i < progVars_.size(); ++i)
        if (progVars_[i] == v) return static_cast<int>(i);
    progVars_.push_back(v);
    return static_cast<int>(progVars_.size()) - 1;
}

void CExpression::Parse() {
    rpn_.clear();
    progVars_.clear();
    roots_.clear();
    errCode_ = 0;
    errDescription_.clear();

    // The minus sign U+2212 that results print is read as "-", so a result
    // copied into a formula means what it shows.
    std::string s = rt::PlainMinus(text_);
    s.push_back('\0');
    auto at = [&](size_t i) { return i < s.size() ? s[i] : '\0'; };

    // Operator and argument-count stacks, entries 1..kStackSize.
    int ops[kStackSize + 1];
    int counts[kStackSize + 1];
    int opTop = 0, countTop = 0;
    bool expectOperand = true;
    int operands = 0;
    size_t p = 0;

    auto push = [&](int code) {
        if (opTop >= kStackSize) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        ops[++opTop] = code;
        if (kSymbols[code].nargs >= 1) {
            if (countTop >= kStackSize) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
            counts[++countTop] = kSymbols[code].nargs;
            expectOperand = true;
        }
    };
    auto argCountError = [&]() {
        std::string name = opTop >= 2 ? std::string(kSymbols[ops[opTop - 1]].name) : std::string();
        // A comma between digits that breaks the count is most likely a
        // decimal comma: say so, since the formulas want a decimal point.
        // (The comma has just been read: it is the character before p.)
        const bool decimalComma = p >= 2 && s[p - 1] == ',' && IsDigit(s[p - 2]) && IsDigit(at(p));
        if (name.empty() || name == "(") {  // not inside a function's brackets
            if (decimalComma)
                Fail(kArgCount, "Coma decimal: escribe los decimales con punto (2.5, no 2,5).");
            else
                Fail(kArgCount,
                     "Hay una coma fuera de los argumentos de una función (los decimales se escriben con punto: 1.5).");
            return;
        }
        if (decimalComma) {
            Fail(kArgCount, "Número de argumentos incorrecto para " + name + ". " + std::string(rt::kDecimalCommaHint));
            return;
        }
        Fail(kArgCount, "Número de argumentos incorrecto para " + name);
    };

    ops[++opTop] = kBottom;
    counts[++countTop] = 1;

    for (;;) {
        while (at(p) == ' ') ++p;
        errPos_ = static_cast<int>(p) + 1;
        char c = at(p);

        if (expectOperand) {
            if (IsDigit(c) || c == '.') {
                // digits [. digits] [E|D [sign] digits]
                std::string lit;
                while (IsDigit(at(p))) lit += s[p++];
                if (at(p) == '.') {
                    lit += s[p++];
                    while (IsDigit(at(p))) lit += s[p++];
                }
                bool anyDigit = lit.find_first_of("0123456789") != std::string::npos;
                char e = Upper(at(p));
                if (e == 'E' || e == 'D') {
                    ++p;
                    std::string exp;
                    if (at(p) == '+' || at(p) == '-') exp += s[p++];
                    std::string expDigits;
                    while (IsDigit(at(p))) expDigits += s[p++];
                    if (!expDigits.empty()) lit += "e" + exp + expDigits;
                }
                double value = 0.0;
                if (anyDigit) {
                    value = strtod_l(lit.c_str(), nullptr, CLocale());
                    if (std::isinf(value)) rt::Raise(rt::ErrorCode::Overflow);
                }
                if (ops[opTop] == kNeg) {
                    value = -value;
                    --opTop;
                }
                Emit(Token{kOperand, -1, value});
                ++operands;
                expectOperand = false;
            } else if (c == '+') {
                ++p;
            } else if (c == '-') {
                push(kNeg);
                ++p;
            } else if (c == '(') {
                push(kOpen);
                ++p;
            } else if (IsLetter(c)) {
                size_t start = p;
                while (IsLetter(at(p)) || IsDigit(at(p)) || at(p) == '_') ++p;
                std::string name = s.substr(start, p - start);
                while (at(p) == ' ') ++p;
                std::string key = UpperText(name);
                int code = 0;
                for (int k = kPi; k <= kBar; ++k)
                    if (!kSymbols[k].name.empty() && kSymbols[k].name == key) {
                        code = k;
                        break;
                    }
                if (code == 0 && key == "NOT") code = kNot;

                if (code == kNot) {
                    push(kNot);
                } else if (code == 0) {
                    auto var = Variable(name, AutoCreateVariables);
                    if (!var) return Fail(kUnknownSymbol, "Símbolo o función desconocido" + name);
                    std::string vn = UpperText(var->Name);
                    if (vn != "X" && vn != "Y" && vn != "Z")
                        return Fail(kUnknownSymbol, "Símbolo o función desconocido");
                    Emit(Token{kOperand, static_cast<int16_t>(VariableSlot(var)), 0.0});
                    ++operands;
                    expectOperand = false;
                } else if (kSymbols[code].nargs >= 1) {
                    if (at(p) != '(') return Fail(kSyntax, "Error de sintaxis: Falta paréntesis");
                    push(code);
                    push(kOpen);
                    ++p;
                    --countTop;
                } else {
                    Emit(Token{static_cast<int16_t>(code), -1, 0.0});
                    ++operands;
                    expectOperand = false;
                    if (at(p) == '(' && at(p + 1) == ')') p += 2;
                }
            } else if (c == '\0') {
                return Fail(kSyntax, "Error de sintaxis: No se espera fin de la expresión");
            } else {
                return Fail(kSyntax, "Error de sintaxis: Símbolo desconocido");
            }
            continue;
        }

        // An operator is expected.
        int code = 0;
        for (int k = kEndMark; k <= kXor; ++k) {
            std::string_view nm = kSymbols[k].name;
            if (p + nm.size() > s.size()) continue;
            bool match = true;
            for (size_t i = 0; i < nm.size() && match; ++i) match = Upper(s[p + i]) == nm[i];
            if (match) {
                code = k;
                break;
            }
        }
        if (code == 0) return Fail(kUnknownOperator, "Operador desconocido");
        size_t len = kSymbols[code].name.size();
        if (code >= kMod && code <= kXor) {
            char before = p > 0 ? s[p - 1] : '\0';
            char after = at(p + len);
            if (!(before == ' ' || before == ')') || !(after == ' ' || after == '('))
                return Fail(kSyntax, "Error de sintaxis");
        }
        p += len;
        if (code != kClose) expectOperand = true;

        int prec = kSymbols[code].prec;
        while (kSymbols[ops[opTop]].prec >= prec && kSymbols[ops[opTop]].prec < 255) {
            int top = ops[opTop--];
            Emit(Token{static_cast<int16_t>(top), -1, 0.0});
            if (IsBinaryOperator(top))
                --operands;
            else if (top != kNeg && top != kNot)
                operands -= kSymbols[top].nargs - 1;
            if (operands < 1) return Fail(kSyntax, "Error de sintaxis");
        }

        if (code == kEndMark || code == kComma || code == kClose) {
            if (--counts[countTop] < 0) return argCountError();
        }
        if (code == kEndMark) {
            if (opTop > 1) return Fail(kSyntax, "Error de sintaxis");
            if (counts[countTop] != 0) return argCountError();
            errPos_ = 0;
            return;
        }
        if (code == kClose) {
            if (ops[opTop] != kOpen) return Fail(kSyntax, "Error de sintaxis");
            if (counts[countTop] != 0) return argCountError();
            --opTop;
            --countTop;
        } else if (code == kComma) {
            if (counts[countTop] == 0) return argCountError();
        } else {
            push(code);
        }
    }
}

}  // namespace num
