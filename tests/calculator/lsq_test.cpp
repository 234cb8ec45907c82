// Least-squares fits: the points taken from the argument list, the fitted
// coefficients, the report and the layout of the plot.
#include "calculator/lsq.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator/numprocs.h"
#include "platform/qstring_print.h"
#include "procedure_fixture.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace {

using rt::Variant;
using Args = std::vector<Variant>;

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    out.push_back(text.substr(start));
    return out;
}

double After(const std::string& line, const std::string& key) {
    return rt::Val(line.substr(line.find(key) + key.size()));
}

class Fits : public ::testing::Test {
protected:
    Fits() : decimals(text::G().Decimals) { text::G().Decimals = 3; }
    ~Fits() override { text::G().Decimals = decimals; }

    // Prepares and fits like procedures 23 to 26.
    std::vector<std::string> Report(int code, const Args& args) {
        const auto f = calc::PrepareFit(code, args);
        EXPECT_TRUE(f.ok()) << f.message();
        const auto fit = calc::FitPolynomialCoefs(f->degree, f->x, f->y);
        EXPECT_TRUE(fit.ok()) << fit.message();
        return Split(calc::FitReport(*fit, f->x, f->y, 3, f->curve));
    }
    int decimals;
};

TEST_F(Fits, StraightLineReport) {
    std::vector<std::string> r = Report(23, Args{0, 1, 1, 3, 2, 5});
    ASSERT_EQ(r.size(), 9u);
    EXPECT_EQ(r[0], "Recta de mínimos cuadrados: y = ax + b");
    EXPECT_NEAR(After(r[1], "a = "), 2, 1e-12);
    EXPECT_NEAR(After(r[2], "b = "), 1, 1e-12);
    EXPECT_EQ(r[3], "Coeficiente de correlación:   r = 1");
    EXPECT_EQ(r[4], ";S x = 3, ;S y = 9");
    EXPECT_EQ(r[5], "<x> = 1, <y> = 3");
    EXPECT_EQ(r[6], ";S x¡2 = 5, ;S y¡2 = 35");
    EXPECT_EQ(r[7], ";S xy = 13");
    EXPECT_EQ(r[8], "2*x+1");
    // Order 1 of procedure 26 is the same line.
    EXPECT_EQ(Report(26, Args{0, 1, 1, 3, 2, 5, 1}), r);
    // A falling line: negative r and sums with the markup minus.
    std::vector<std::string> down = Report(23, Args{-1, 2, 0, 0, 1, -3});
    EXPECT_EQ(down[3], "Coeficiente de correlación:   r = -0.993");
    EXPECT_EQ(down[4], ";S x = 0, ;S y = ;-1");
}

TEST_F(Fits, PolynomialReport) {
    std::vector<std::string> r = Report(26, Args{0, 1, 1, 2, 2, 5, 2});
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[0], "Coeficientes del polinomio de grado 2:");
    EXPECT_EQ(r[1], "(A!n es el coeficiente de x¡n)");
    EXPECT_NEAR(After(r[2], "A!0 = "), 1, 1e-12);
    EXPECT_NEAR(After(r[3], "A!1 = "), 0, 1e-12);
    EXPECT_NEAR(After(r[4], "A!2 = "), 1, 1e-12);
    EXPECT_EQ(r[5], "");
    EXPECT_TRUE(r[6].starts_with("x^2")) << r[6];
    // Order 5 on three points: the interpolating parabola.
    EXPECT_EQ(Report(26, Args{0, 1, 1, 2, 2, 5, 5})[0], "Coeficientes del polinomio de grado 2:");
    // One point: degree 0, the coefficient list.
    EXPECT_EQ(Report(23, Args{2, 7}), (std::vector<std::string>{"Coeficientes del polinomio de grado 0:",
                                                                "(A!n es el coeficiente de x¡n)", "A!0 = 7", "", "7"}));
}

TEST_F(Fits, ExponentialAndPowerCurvesReportTheirOwnBAndTheCorrelationOfWhatWasFitted) {
    // y = 2 e^x and y = 3 x^2 through three exact points each.
    std::vector<std::string> e = Report(24, Args{0, 2, 1, 2 * std::exp(1.0), 2, 2 * std::exp(2.0)});
    EXPECT_EQ(e[0], "Curva de mínimos cuadrados: y = b e¡a¡x");
    EXPECT_NEAR(After(e[1], "a = "), 1, 1e-12);
    EXPECT_NEAR(After(e[2], "b = "), 2, 1e-12);
    EXPECT_EQ(e[3], "Coeficiente de correlación (x, ln y):   r = 1");
    EXPECT_EQ(e.back(), "2*EXP(1*x)");

    std::vector<std::string> p = Report(25, Args{1, 3, 2, 12, 4, 48});
    EXPECT_EQ(p[0], "Curva de mínimos cuadrados: y = b x¡a");
    EXPECT_NEAR(After(p[1], "a = "), 2, 1e-12);
    EXPECT_NEAR(After(p[2], "b = "), 3, 1e-12);
    EXPECT_EQ(p.back(), "3*x^2");
    EXPECT_EQ(Report(25, Args{1, 4, 2, 1})[8], "4*x^(-2)");
}

TEST_F(Fits, CurvesLabelTheirSumsAndCorrelationAsLogarithms) {
    // The exponential fits ln y against x, the power curve ln y against ln x.
    std::vector<std::string> e = Report(24, Args{0, 1, 1, 1, 2, std::exp(3.0)});
    EXPECT_EQ(e[3], "Coeficiente de correlación (x, ln y):   r = 0.866");
    EXPECT_EQ(e[4], ";S x = 3, ;S ln y = 3");
    EXPECT_EQ(e[5], "<x> = 1, <ln y> = 1");
    EXPECT_EQ(e[6], ";S x¡2 = 5, ;S (ln y)¡2 = 9");
    EXPECT_EQ(e[7], ";S x ln y = 6");

    std::vector<std::string> p = Report(25, Args{1, 1, std::exp(1.0), std::exp(2.0), std::exp(2.0), std::exp(4.0)});
    EXPECT_EQ(p[3], "Coeficiente de correlación (ln x, ln y):   r = 1");
    EXPECT_EQ(p[4], ";S ln x = 3, ;S ln y = 6");
    EXPECT_EQ(p[5], "<ln x> = 1, <ln y> = 2");
    EXPECT_EQ(p[6], ";S (ln x)¡2 = 5, ;S (ln y)¡2 = 20");
    EXPECT_EQ(p[7], ";S ln x ln y = 10");
}

TEST_F(Fits, HorizontalPointsHaveNoCorrelationLine) {
    std::vector<std::string> r = Report(23, Args{0, 1, 1, 1, 2, 1});
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[3], ";S x = 3, ;S y = 3");
    EXPECT_EQ(r.back(), "1");
}

TEST_F(Fits, FitsFarFromZeroOrOfHighOrder) {
    // y = (x - 2000)² + (x - 2000) + 1 over four years.
    const std::vector<double> years{2000, 2001, 2002, 2003}, y{1, 3, 7, 13};
    const auto q = calc::FitPolynomialCoefs(2, years, y);
    ASSERT_TRUE(q.ok()) << q.message();
    EXPECT_NEAR(q->coef[3], 1, 1e-9);
    EXPECT_NEAR(q->coef[2], -3999, 1e-5);
    EXPECT_NEAR(q->coef[1], 3998001, 1e-2);
    // Order 8 through samples of a polynomial of order 8 on [0, 21].
    std::vector<double> x, p;
    for (int i = 0; i <= 42; ++i) {
        const double t = i * 0.5;
        x.push_back(t);
        p.push_back(std::pow(t - 10, 8) / 1e6 - 3 * t + 2);
    }
    const auto eight = calc::FitPolynomialCoefs(8, x, p);
    ASSERT_TRUE(eight.ok()) << eight.message();
    EXPECT_NEAR(eight->coef[9], 1e-6, 1e-12);
    EXPECT_NEAR(eight->coef[2] + 3, 8 * std::pow(-10, 7) / 1e6, 1e-6);
}

TEST_F(Fits, RefusedData) {
    const std::vector<std::pair<int, Args>> notPositive = {
        {24, {1, 2, 2, 0}}, {24, {1, -1, 2, 3}}, {25, {0, 2, 1, 3}}, {25, {1, 2, 2, -3}}};
    for (const auto& [code, args] : notPositive)
        EXPECT_EQ(calc::PrepareFit(code, args).message(), "Valor negativo o cero no permitido.");
    EXPECT_EQ(calc::PrepareFit(26, Args{0, 1, 1, 2, 2, 5}).message(),
              "Da el orden del polinomio como último argumento.");
    // All x equal: no line can be fitted.
    const std::vector<double> x{1, 1}, y{1, 2};
    EXPECT_EQ(calc::FitPolynomialCoefs(1, x, y).message(), "No pude resolver el sistema de ecuaciones.");
    EXPECT_THROW(calc::FitPolynomialCoefs(1, std::vector<double>{}, std::vector<double>{}), rt::RuntimeError);
    // Values near the largest double: the fit, taken about the mean of y,
    // has its value; the report's sum of y² has none.
    const std::vector<double> hx{1, 2}, hy{1e308, 1.5e308};
    const rt::Outcome<calc::PolyFit> huge = calc::FitPolynomialCoefs(1, hx, hy);
    ASSERT_TRUE(huge.ok());
    EXPECT_NEAR(huge->coef[2], 0.5e308, 1e294);
    EXPECT_THROW(calc::FitReport(*huge, hx, hy, 3), rt::RuntimeError);
}

TEST_F(Fits, PlotLayout) {
    const calc::PlotFrame frame;  // 48, 42, 301
    auto width = [](const std::string& t) { return 6.0 * static_cast<double>(t.size()); };
    const std::vector<double> x{-1, 0, 2}, y{1, 0, 4};
    const calc::PolyFit fit = *calc::FitPolynomialCoefs(2, x, y);  // y = x^2 exactly
    calc::FitPlot p = calc::LayoutFit(fit, x, y, frame, 3, width);
    ASSERT_EQ(p.curveX.size(), 301u);
    EXPECT_EQ(p.curveX.front(), 48);
    EXPECT_EQ(p.curveX.back(), 348);
    // y from 0 to 4 over the frame; the curve starts at 1 and ends at 4.
    EXPECT_NEAR(p.curveY.front(), 42 + 301.0 / 4, 1e-9);
    EXPECT_NEAR(p.curveY.back(), 343, 1e-9);
    EXPECT_NEAR(p.dotX[1], 48 + 301.0 / 3, 1e-9);
    EXPECT_NEAR(p.dotY[1], 42, 1e-9);
    EXPECT_TRUE(p.verticalAxis);
    EXPECT_NEAR(p.axisX, 48 + 301.0 / 3, 1e-9);
    EXPECT_FALSE(p.horizontalAxis);  // y = 0 is the bottom of the range, not inside it
    EXPECT_EQ(p.xMin.text, "-1");
    EXPECT_EQ(p.xMin.x, 48);
    EXPECT_EQ(p.xMin.y, 39);
    EXPECT_EQ(p.xMax.text, "2");
    EXPECT_EQ(p.xMax.x, 349);
    EXPECT_EQ(p.yMax.text, "4");
    EXPECT_EQ(p.yMax.x, 48 - 6 - 6);
    EXPECT_EQ(p.yMax.y, 353);
    EXPECT_EQ(p.yMin.y, 52);

    // All x positive: no vertical axis. One point: a plot all the same.
    const std::vector<double> x1{2}, y1{7};
    calc::FitPlot single = calc::LayoutFit(*calc::FitPolynomialCoefs(1, x1, y1), x1, y1, frame, 3, width);
    EXPECT_FALSE(single.verticalAxis);
    EXPECT_NEAR(single.dotX[0], 48 + 150.5, 1e-9);
    EXPECT_NEAR(single.dotY[0], 42 + 150.5, 1e-9);
}

// The fits run as the calculator runs them, on the pane and the picture.
class FitRuns : public calctest::ProcedureRun {
protected:
    FitRuns() : savedShared(shell::Shared()) {
        shell::Shared().PlotLeft = 48;
        shell::Shared().PlotBottom = 42;
        shell::Shared().PlotSide = 301;
    }
    ~FitRuns() override { shell::Shared() = savedShared; }

    void Run(int code, const Args& args) {
        calc::NumericRequest r;
        r.args = args;
        r.pic = &pic;
        ASSERT_TRUE(calc::RunNumericProcedure(code, r).completed);
        if (const char* dir = std::getenv("TELUVAR_GRAB_DIR"))
            pic.SavePng(QString(dir) + "/fit_" + QString::number(code) + ".png");
    }
    // The texts printed on the picture.
    std::vector<plat::DrawnPrimitive> Texts() const {
        std::vector<plat::DrawnPrimitive> out;
        for (const auto& d : pic.Drawn())
            if (d.kind == Kind::Text) out.push_back(d);
        return out;
    }
    bool Printed(const QString& text) const {
        for (const auto& d : Texts())
            if (d.text == text) return true;
        return false;
    }
    shell::SharedState savedShared;
};

TEST_F(FitRuns, TheAxesOfACurveAreNamedAsLogarithms) {
    Run(25, Args{1, 3, 2, 12, 4, 48});
    EXPECT_TRUE(calc.Text().contains(QString::fromUtf8("Σ ln x = "))) << calc.Text().toStdString();
    EXPECT_TRUE(Printed("ln x"));
    EXPECT_TRUE(Printed("ln y"));
    // Every label lies inside the picture.
    for (const auto& t : Texts()) {
        EXPECT_GE(t.points[0].x(), 0) << t.text.toStdString();
        EXPECT_LE(t.points[0].x() + pic.TextWidth(t.text), pic.ScaleWidth()) << t.text.toStdString();
    }

    Run(24, Args{0, 2, 1, 5, 2, 14});
    EXPECT_FALSE(Printed("ln x"));  // x itself is fitted
    EXPECT_TRUE(Printed("ln y"));
    Run(23, Args{0, 1, 1, 3, 2, 5});
    EXPECT_FALSE(Printed("ln y"));
}

}  // namespace
