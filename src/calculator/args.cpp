#include "calculator/args.h"

#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"

namespace calc {

rt::Variant& CalcCells::operator()(int i, int j) {
    rt::ExpectIndex(i, 1, rows_, "selected cell row");
    rt::ExpectIndex(j, 1, cols_, "selected cell column");
    return v_[size_t(i - 1) * cols_ + (j - 1)];
}

const rt::Variant& CalcCells::operator()(int i, int j) const {
    rt::ExpectIndex(i, 1, rows_, "selected cell row");
    rt::ExpectIndex(j, 1, cols_, "selected cell column");
    return v_[size_t(i - 1) * cols_ + (j - 1)];
}

namespace {

// Evaluates every cell but "" and "x" in place; "" or the message of the
// first cell that cannot be used.
std::string EvaluateCells(CalcCells& cells) {
    num::CExpression e;
    e.RaiseErrors = true;
    for (int i = 1; i <= cells.Rows(); ++i) {
        for (int j = 1; j <= cells.Cols(); ++j) {
            rt::Variant& cell = cells(i, j);
            const std::string text = cell.ToText();
            if (text.empty() || text == "x") continue;
            const std::string again = std::string(kCorrectExpression) + text;
            try {
                e.SetExpression(text);
                if (e.ErrorCode() != 0) {
                    std::string msg = e.ErrorDescription() + "\r\n" + again;
                    e.ClearError();
                    return msg;
                }
                const rt::Variant v = e.Value();
                if (v.IsEmptyText()) return again;
                cell = v;
            } catch (const rt::RuntimeError&) {
                // A cell such as 1/0 must not leave a shortened list behind
                // that a procedure would then run on as if it were complete.
                return again;
            }
        }
    }
    return {};
}

}  // namespace

std::string GetCells(bool evaluate, const CellSelection& sel, const CellReader& read, GatheredArgs& out) {
    out = GatheredArgs{};
    if (sel.bottom < sel.top || sel.right < sel.left) return std::string(kBackwardSelection);
    out.rowCount = sel.bottom - sel.top + 1;
    out.colCount = sel.right - sel.left + 1;
    out.cells = CalcCells(out.rowCount, out.colCount);
    for (int i = 1; i <= out.rowCount; ++i)
        for (int j = 1; j <= out.colCount; ++j) out.cells(i, j) = rt::Variant(read(sel.top + i - 1, sel.left + j - 1));

    if (evaluate) {
        std::string msg = EvaluateCells(out.cells);
        if (!msg.empty()) return msg;
    }

    for (int i = 1; i <= out.rowCount; ++i) {
        for (int j = 1; j <= out.colCount; ++j) {
            const rt::Variant& cell = out.cells(i, j);
            if (cell.IsEmptyText()) continue;
            out.args.push_back(cell);
            ++out.argCount;
            if (num::IsNumber(cell)) ++out.numCount;
        }
    }
    return {};
}

namespace {

struct Rule {
    bool countOk = true;
    bool numbersOk = true;
    std::string countMsg;
    std::string numberMsg = "Algún argumento no es numérico.";
};

}  // namespace

std::string CheckArgs(int procedure, int argCount, int numCount, int selRows, int selCols) {
    Rule r;
    const bool allNumbers = numCount == argCount;
    auto exactly = [&](int n, const char* msg) {
        r.countOk = argCount == n;
        r.countMsg = msg;
        r.numbersOk = numCount == n;
    };
    switch (procedure) {
    case 1:
        r.countOk = selRows == selCols;
        r.countMsg = "La región a seleccionar debe ser n x n.";
        r.numbersOk = numCount == selRows * selCols;
        break;
    case 2:
        r.countOk = selRows == selCols - 1;
        r.countMsg = "La región a seleccionar debe ser n x n+1.";
        r.numbersOk = numCount == selRows * selCols;
        break;
    case 5:
    case 8:
    case 16: exactly(3, "Deben ser 3 argumentos."); break;
    case 6: exactly(5, "Deben ser 5 argumentos."); break;
    case 7: exactly(4, "Deben ser 4 argumentos."); break;
    case 9:
    case 20: exactly(2, "Deben ser 2 argumentos."); break;
    case 10:
        r.countOk = argCount == 6;
        r.countMsg = "Deben ser 6 argumentos.";
        r.numbersOk = numCount == 3;
        r.numberMsg = "Tres de los argumentos deben ser numéricos y los restantes iguales a \"x\".";
        break;
    case 11: exactly(6, "Deben ser 6 argumentos."); break;
    case 12:
    case 14:
    case 23:
    case 24:
    case 25:
        r.countOk = argCount % 2 == 0;
        r.countMsg = "Debe ser un número par de argumentos.";
        r.numbersOk = allNumbers;
        break;
    case 13:
    case 17:
    case 26: r.numbersOk = allNumbers; break;
    case 15:
        r.countOk = argCount % 3 == 0;
        r.countMsg = "El número de argumentos debe ser un múltiplo de 3";
        r.numbersOk = allNumbers;
        break;
    case 19:
        r.countOk = argCount >= 2 && argCount <= 4;
        r.countMsg = "Número de argumentos incorrecto (deben ser 2, 3 ó 4).";
        r.numbersOk = allNumbers;
        break;
    case 22:
        r.countOk = argCount == 2 || argCount == 3;
        r.countMsg = "Número de argumentos incorrecto (deben ser 2 ó 3).";
        r.numbersOk = allNumbers;
        r.numberMsg = "Los argumentos deben ser todos numéricos";
        break;
    default:
        // The others check their arguments themselves.
        break;
    }
    if (!r.countOk) return r.countMsg;
    if (!r.numbersOk) return r.numberMsg;
    return {};
}

}  // namespace calc
