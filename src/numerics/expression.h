#pragma once
// The formula engine: infix formulas over the variables X, Y and Z are
// compiled once into a reverse-Polish program and then evaluated any number
// of times. Evaluation never yields an infinity or a not-a-number: a division
// by zero, an overflow or an argument outside a function's domain throws
// rt::RuntimeError (or, with RaiseErrors false, makes Value the empty text).
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/variant.h"

namespace num {

// Radians per angle unit of the direct trigonometric functions of formulas
// (SEN, COS, TAN, COT, CSC, SEC, SESE, SECO, COSE, COCO): degrees by
// default, 1 while a caller works in radians. Read at every evaluation.
// Only two writes are allowed: SetAngleUnit, for the unit the user works in
// (the start of the program, the calculator's "grd"/"rad" key), and
// AngleUnitScope, for code that works in another unit for a while.
//
// Degrees are the 15-digit radians per degree that the program has always
// started with, mathutil's kDegToRad: every result computed in degrees
// (those the help files give among them) rests on it, and switching back to
// degrees with the key gives the very same unit, not one that is a unit in
// the last place away (pi / 180).
inline constexpr double kDefaultAngleFactor = kDegToRad;
inline constexpr double kRadians = 1.0;

void SetAngleUnit(double factor);
class AngleUnitScope;

// The one store of the unit: anyone reads it, only the two writes below
// (its friends) change it.
class AngleUnitStore {
public:
    static constexpr const double& Read() { return stored_; }

private:
    static double stored_;
    friend void SetAngleUnit(double factor);
    friend class AngleUnitScope;
};

// The unit in force, read-only: no one assigns it but the two writes below.
inline constexpr const double& AngleFactor = AngleUnitStore::Read();

// The unit the user works in from now on.
inline void SetAngleUnit(double factor) { AngleUnitStore::stored_ = factor; }

// The unit in force is degrees (outside any AngleUnitScope: the user's
// unit, which the calculator's key shows as "grd").
inline bool AngleUnitIsDegrees() { return AngleFactor == kDefaultAngleFactor; }

// Puts AngleFactor at `factor` for the scope's life and gives the previous
// value back on every way out, a run-time error included.
class AngleUnitScope {
public:
    explicit AngleUnitScope(double factor) : saved_(AngleFactor) { AngleUnitStore::stored_ = factor; }
    ~AngleUnitScope() { AngleUnitStore::stored_ = saved_; }
    AngleUnitScope(const AngleUnitScope&) = delete;
    AngleUnitScope& operator=(const AngleUnitScope&) = delete;

private:
    double saved_;
};

// One named variable of a formula. Value is Empty until something binds it.
struct CVariable {
    std::string Name;
    rt::Variant Value;
};

// A formula that could not be used because its text does not compile. It is
// a run-time error too (InvalidCall), so handlers of rt::RuntimeError catch it.
class ExpressionError : public rt::RuntimeError {
public:
    ExpressionError(int compileCode, int position, const std::string& description)
        : rt::RuntimeError(rt::ErrorCode::InvalidCall, description), compileCode_(compileCode), position_(position) {}
    int compileCode() const { return compileCode_; }
    int position() const { return position_; }

private:
    int compileCode_;
    int position_;
};

class CExpression {
public:
    // Compile error codes.
    enum { kNoError = 0, kSyntax = 1, kUnknownSymbol = 2, kUnknownOperator = 3, kArgCount = 4 };
    static constexpr int kMaxTokens = 100;
    static constexpr int kStackSize = 30;

    CExpression();
    explicit CExpression(std::string_view text) : CExpression() { SetExpression(text); }
    // A copy has variables of its own, with the same names and values.
    CExpression(const CExpression& other);
    CExpression& operator=(const CExpression& other);
    CExpression(CExpression&&) = default;
    CExpression& operator=(CExpression&&) = default;

    // True: a run-time error inside Value reaches the caller as
    // rt::RuntimeError. False: Value returns the empty text instead.
    bool RaiseErrors = true;
    // Whether unknown names become variables while compiling.
    bool AutoCreateVariables = true;

    // Stores the text and compiles it at once. Compile errors are reported by
    // ErrorCode/ErrorDescription/ErrorPos; more than 100 tokens, nesting
    // beyond 30 stack entries (SubscriptOutOfRange) and a literal beyond the
    // range of a double (Overflow) throw rt::RuntimeError instead.
    void SetExpression(std::string_view text);
    const std::string& Expression() const { return text_; }

    int ErrorCode() const { return errCode_; }
    const std::string& ErrorDescription() const { return errDescription_; }
    int ErrorPos() const { return errPos_; }  // 1-based; 0 after success
    void ClearError();
    // Throws ExpressionError when the last compilation failed.
    void ThrowIfError() const;

    // Variables, kept in ascending order of their upper-cased names.
    // By 1-based position (nullptr beyond the list):
    std::shared_ptr<CVariable> Variable(int position) const;
    // By name, without regard to case; created with the name as given when
    // missing and createIfNeeded is true, else nullptr.
    std::shared_ptr<CVariable> Variable(std::string_view name, bool createIfNeeded = false);
    // Puts newVar into the list in name order, replacing a variable of the
    // same name; returns its 1-based position. A program compiled earlier
    // keeps reading the variable it was compiled with.
    int AddVariable(std::shared_ptr<CVariable> newVar);
    int VariablesCount() const { return static_cast<int>(variables_.size()); }

    // Binds vars[i] to the (i+1)-th variable in name order (extra elements
    // ignored, unbound variables keep their values) and runs the program.
    // Empty when the text is empty or did not compile; the number otherwise
    // (for a program that is one variable, that variable's value); the empty
    // text after a run-time error when RaiseErrors is false.
    rt::Variant Value(std::span<const double> vars = {});
    rt::Variant Value(std::initializer_list<double> vars) {
        return Value(std::span<const double>(vars.begin(), vars.size()));
    }

    // The fast entry for numerical routines: binds vars[0..n) like Value and
    // returns the number with no allocation. No value counts as 0. Run-time
    // errors always throw, whatever RaiseErrors holds.
    double ValueFast(const double* vars, int n);

    // Compiles text, binds vars, and returns Value of an empty array.
    rt::Variant Evaluate(std::string_view text, std::span<const double> vars = {});

    // The compiled program as text, a blank before each token (" 2 X * 1 +").
    std::string RPNExpression() const;

    // Regula falsi on the sign changes of a grid from lowLimit to highLimit
    // with the given step (interval <= 0: a 200th of the range); the roots go
    // to Root/RootsCount. varName "" is the first variable in name order.
    // Returns "" or, for a grid that cannot advance (equal limits with no
    // step, a step too small to move), a message and nothing is searched.
    std::string FindRoots(double lowLimit, double highLimit, double interval, std::string_view varName,
                          double tolerance);
    double Root(int index) const;  // 1-based; 0 when there is none
    int RootsCount() const { return static_cast<int>(roots_.size()); }

    // One compiled token: code 1 is an operand (a number, or variable slot
    // `var` >= 0); any other code is a symbol of the language.
    struct Token {
        int16_t code;
        int16_t var;
        double number;
    };
    const std::vector<Token>& Program() const { return rpn_; }
    // Name of the variable an operand token of the program reads (its `var`).
    const std::string& ProgramVariableName(int slot) const;
    // Name of a symbol code (0..67); "" for the codes that hold none.
    static std::string_view SymbolName(int code);

    // Programs compiled after SetPlanSimplification(false) run exactly as
    // compiled, without the simplifications that make evaluation fast; the
    // results are the same (a check of the simplifier). On by default.
    static void SetPlanSimplification(bool on);

    // Executable form of the program (see expression_internal.h).
    struct Instr {
        uint8_t op;
        uint8_t slot;
        int16_t code;
        double k;
    };

private:
    void Parse();
    void Finish();
    void BuildPlan();
    void Fail(int code, const std::string& description);
    void Emit(const Token& t);
    int VariableSlot(const std::shared_ptr<CVariable>& v);
    void LoadSlots(double* slots) const;
    void MapSlots();
    double Run(const double* slots) const;
    double ValueFastPlan(const double* vars, int n);
    double RunSmall(const double* vars) const;
    double RunSmallChecked(const double* vars) const;
    rt::Variant RunVariant();

    std::string text_;
    int errCode_ = 0;
    std::string errDescription_;
    int errPos_ = 0;

    std::vector<std::shared_ptr<CVariable>> variables_;
    std::vector<double> roots_;

    std::vector<Token> rpn_;                            // the program
    std::vector<std::shared_ptr<CVariable>> progVars_;  // variables it reads, by slot
    std::vector<Instr> plan_;                           // what Run executes
    static constexpr size_t kMaxSlots = 8;              // distinct variables a program reads (X, Y, Z)
    int slotBind_[kMaxSlots] = {};                      // list position of each slot's variable, or -1
    size_t slotCount_ = 0;
    uint8_t usedSlots_[kMaxSlots] = {};  // slots the plan reads
    size_t usedCount_ = 0;
    std::vector<CVariable*> bindList_;  // variables_ without the ownership, for binding
    bool fastReady_ = false;            // ValueFast may run the plan
    // A plan of one or two instructions runs straight from ValueFast, as one
    // fused operation (MapSlots): its kind, the list positions of the
    // variables it reads, and its literal and symbol code.
    uint8_t small_ = 0;
    int64_t smallNeed_ = 0;  // the fewest values that bind every variable (more than an int: no fused form)
    int smallA_ = 0;
    int smallB_ = 0;
    int16_t smallCode_ = 0;
    double smallK_ = 0.0;
    double smallScale_ = 1.0;
    bool runnable_ = false;        // plan_ is a well-formed program
    bool singleVariable_ = false;  // the program is one variable
};

// The value of a formula of one variable at x, or nothing where it has no
// value there (a run-time error of the formula: a domain, a division by
// zero, an overflow).
inline std::optional<double> TryValue(CExpression& e, double x) {
    try {
        return e.ValueFast(&x, 1);
    } catch (const rt::RuntimeError&) { return std::nullopt; }
}

}  // namespace num
