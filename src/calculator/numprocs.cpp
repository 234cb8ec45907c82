#include "calculator/numprocs.h"

#include <QString>
#include <utility>

#include "calculator/args.h"
#include "calculator/eqnprocs.h"
#include "calculator/functable.h"
#include "calculator/graphs_draw.h"
#include "calculator/integprocs.h"
#include "calculator/lsq.h"
#include "calculator/lsq_draw.h"
#include "calculator/matrixprocs.h"
#include "calculator/rootprocs.h"
#include "numerics/expression.h"
#include "numerics/ode.h"
#include "platform/dialogs.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/writer.h"
#include "text/globals.h"

namespace calc {

namespace {

bool OnFunctionOfX(int code) { return code == 9 || (code >= 13 && code <= 22); }

// A formula refused for not compiling also says how to type the letters the
// expression box's hot keys kept out of it.
void Show(const std::string& message, const std::string& hint) {
    if (message.empty()) return;
    const bool formula = message.find(kCorrectExpression) != std::string::npos;
    plat::MsgBox(QString::fromStdString(formula && !hint.empty() ? message + kCrLf + hint : message));
}

void Write(const text::ResultLines& lines) {
    if (lines.UBound() == 0) return;
    if (plat::RichPane* pane = shell::Panes().rtbCalc) shell::WriteResults(*pane, lines);
}

NumericRun Finish(const NumericRequest& req, const ProcReport& r) {
    Show(r.message, req.expressionHint);
    NumericRun run;
    if (r.stop) {
        run.completed = false;
        return run;
    }
    Write(r.lines);
    run.lines = r.lines;
    return run;
}

PlotFrame Frame() {
    const shell::SharedState& s = shell::Shared();
    if (s.PlotSide <= 0) return PlotFrame{};
    return PlotFrame{s.PlotLeft, s.PlotBottom, s.PlotSide};
}

NumericRun RunGraph(int code, const NumericRequest& req) {
    // The buffers of the last graph, handed to the next one: a long curve
    // drawn again and again then reuses memory it has touched. Only their
    // memory is kept; SampleCurve empties them before it writes a sample.
    thread_local CurveSamples spare;
    rt::Outcome<CurveSamples> c = SampleCurve(code, req.expression, req.args, std::move(spare));
    NumericRun run;
    if (!c.ok()) {
        Show(c.message(), req.expressionHint);
        run.completed = false;
        return run;
    }
    if (req.pic) {
        const PlotFrame frame = Frame();
        req.pic->Cls();
        PointsGraph g = LayoutGraphPoints(std::move(c.value()), kCurveBlue, frame.left, true, frame, text::G().Decimals,
                                          PictureTextWidth(*req.pic));
        DrawGraphPoints(*req.pic, g);
        spare = CurveSamples{std::move(g.px), std::move(g.py)};
    }
    return run;
}

NumericRun RunFit(int code, const NumericRequest& req) {
    const rt::Outcome<FitRequest> request = PrepareFit(code, req.args);
    NumericRun run;
    if (!request.ok()) {
        Show(request.message(), req.expressionHint);
        run.completed = false;
        return run;
    }
    const FitRequest& f = *request;
    const int decimals = text::G().Decimals;
    const rt::Outcome<PolyFit> fit = FitPolynomialCoefs(f.degree, f.x, f.y);
    if (!fit.ok()) {
        Show(fit.message(), req.expressionHint);
        return run;
    }
    if (req.pic) DrawFit(*req.pic, LayoutFit(*fit, f.x, f.y, Frame(), decimals, PictureTextWidth(*req.pic), f.curve));
    run.lines = {FitReport(*fit, f.x, f.y, decimals, f.curve)};
    Write(run.lines);
    return run;
}

}  // namespace

bool IsNumericProcedure(int code) {
    return code == 1 || code == 2 || (code >= 5 && code <= 9) || (code >= 13 && code <= 26);
}

NumericRun RunNumericProcedure(int code, const NumericRequest& req) {
    num::AngleUnitScope unit(OnFunctionOfX(code) ? num::kRadians : num::AngleFactor);
    const int decimals = text::G().Decimals;
    const std::string function = rt::Trim(req.expression);
    switch (code) {
    case 1: return Finish(req, DeterminantReport(req.args, req.selRows, decimals));
    case 2: return Finish(req, LinearSystemReport(req.args, req.selRows, decimals));
    case 5: return Finish(req, QuadraticReport(req.args, decimals));
    case 6: return Finish(req, SquareQuadraticReport(req.args, decimals));
    case 7: return Finish(req, CubicReport(req.args, decimals));
    case 8: return Finish(req, TrigEquationReport(req.args, decimals));
    case 9: return Finish(req, RootsReport(function, req.args));
    case 13:
    case 14:
    case 15:
    case 16: return Finish(req, TabulateFunction(code, function, req.args, decimals));
    case 17: return Finish(req, FirstDerivativesReport(function, req.args));
    case 18: return Finish(req, SecondDerivativeReport(req.expression, req.args));
    case 19: return Finish(req, IntegralReport(req.expression, req.args));
    case 20:
    case 21:
    case 22: return RunGraph(code, req);
    case 23:
    case 24:
    case 25:
    case 26: return RunFit(code, req);
    default: return {};
    }
}

text::ResultLines FitPolynomial(int degree, std::span<const double> x, std::span<const double> y,
                                std::vector<double>& coef, bool draw, bool report, plat::Picture* pic) {
    const rt::Outcome<PolyFit> fit = FitPolynomialCoefs(degree, x, y);
    if (!fit.ok()) {
        Show(fit.message(), {});
        return {};
    }
    coef = fit->coef;
    const int decimals = text::G().Decimals;
    if (draw && pic) DrawFit(*pic, LayoutFit(*fit, x, y, Frame(), decimals, PictureTextWidth(*pic)));
    if (!report) return {};
    text::ResultLines lines{FitReport(*fit, x, y, decimals)};
    Write(lines);
    return lines;
}

}  // namespace calc
