#include "calculator/triangle.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string Num(double x, int decimals) { return rt::RoundedText(rt::Checked(x), decimals); }

double AcosDeg(double x) { return ArcCosDegOfRatio(x); }
double AsinDeg(double x) { return num::ArcSinDeg(rt::Checked(x)); }

struct CaseRow {
    int mask;
    TriangleCase kase;
    const char* code;
};

// The nineteen sets of three known elements that make a triangle, with the
// canonical position of each of the user's pairs.
constexpr CaseRow kCases[] = {
    {37, TriangleCase::SAS, "123"}, {22, TriangleCase::SAS, "312"}, {25, TriangleCase::SAS, "132"},
    {13, TriangleCase::SSA, "123"}, {52, TriangleCase::SSA, "312"}, {49, TriangleCase::SSA, "132"},
    {7, TriangleCase::SSA, "213"},  {19, TriangleCase::SSA, "231"}, {28, TriangleCase::SSA, "321"},
    {41, TriangleCase::ASA, "123"}, {38, TriangleCase::ASA, "213"}, {26, TriangleCase::ASA, "231"},
    {35, TriangleCase::AAS, "123"}, {44, TriangleCase::AAS, "213"}, {11, TriangleCase::AAS, "132"},
    {14, TriangleCase::AAS, "312"}, {50, TriangleCase::AAS, "321"}, {56, TriangleCase::AAS, "231"},
    {21, TriangleCase::SSS, "123"},
};

constexpr const char* kThreeAngles = "Estás especificando 3 ángulos.";
constexpr const char* kOver180 = "Ángulo mayor de 180°.";
constexpr const char* kInconsistent = "Los datos son inconsistentes.";
constexpr const char* kNoTriangle = "No forman un triángulo.";
constexpr const char* kNotThree = "Deben ser exactamente 3 argumentos. ";
constexpr const char* kCollinear = "Los puntos dados están en una misma línea recta.";

double& SideAt(CanonicalTriangle& t, int pos) { return pos == 1 ? t.a : pos == 2 ? t.b : t.c; }
double& AngleAt(CanonicalTriangle& t, int pos) { return pos == 1 ? t.A : pos == 2 ? t.B : t.C; }

void CheckAll(const CanonicalTriangle& t) {
    for (double v : {t.a, t.b, t.c, t.A, t.B, t.C}) rt::Checked(v);
}

// Solves the canonical triangle from its known elements; returns the
// message that refuses the data, or "" with the triangle(s) filled in.
std::string SolveCanonical(TriangleCase kase, CanonicalTriangle& t, std::optional<CanonicalTriangle>& second) {
    using num::CosDeg;
    using num::SinDeg;
    switch (kase) {
    case TriangleCase::SAS: {
        if (t.C >= 180) return kOver180;
        t.c = rt::Sqrt(t.a * t.a + t.b * t.b - 2 * t.a * t.b * CosDeg(t.C));
        t.A = AcosDeg(rt::Div(t.b * t.b + t.c * t.c - t.a * t.a, 2 * t.b * t.c));
        t.B = AcosDeg(rt::Div(t.a * t.a + t.c * t.c - t.b * t.b, 2 * t.a * t.c));
        break;
    }
    case TriangleCase::SSA: {
        if (t.B >= 180) return kOver180;
        if (t.B >= 90 && t.b <= t.a) return kInconsistent;
        double s = rt::Div(t.a, t.b) * SinDeg(t.B);
        if (num::IsNear(s, 1, 1e-6)) {
            t.A = 90;
            t.c = t.a * CosDeg(t.B);
            t.C = 90 - t.B;
        } else if (s > 1) {
            return kInconsistent;
        } else if (t.B < 90 && num::IsNear(t.a, t.b, 1e-6)) {
            t.A = t.B;
            t.c = 2 * t.a * CosDeg(t.B);
            t.C = 180 - 2 * t.B;
        } else if (t.B < 90 && t.b > t.a) {
            t.A = AsinDeg(s);
            t.C = 180 - t.A - t.B;
            t.c = rt::Sqrt(t.a * t.a + t.b * t.b - 2 * t.a * t.b * CosDeg(t.C));
        } else if (t.B < 90) {
            // The given angle is acute and faces the shorter side: the
            // other angle facing a known side may be acute or obtuse.
            CanonicalTriangle u = t;
            t.A = AsinDeg(s);
            t.C = 180 - t.A - t.B;
            t.c = rt::Div(t.b * SinDeg(t.C), SinDeg(t.B));
            u.A = 180 - AsinDeg(s);
            u.C = 180 - u.B - u.A;
            u.c = rt::Div(u.b * SinDeg(u.C), SinDeg(u.B));
            CheckAll(u);
            second = u;
        } else if (t.B == 90) {
            t.C = AcosDeg(rt::Div(t.a, t.b));
            t.A = 90 - t.C;
            t.c = t.b * SinDeg(t.C);
        } else {
            t.A = AsinDeg(s);
            t.C = 180 - t.B - t.A;
            t.c = rt::Sqrt(t.a * t.a + t.b * t.b - 2 * t.a * t.b * CosDeg(t.C));
        }
        break;
    }
    case TriangleCase::ASA: {
        if (t.B + t.C >= 180) return kInconsistent;
        t.A = 180 - t.B - t.C;
        t.b = rt::Div(t.a * SinDeg(t.B), SinDeg(t.A));
        t.c = rt::Div(t.a * SinDeg(t.C), SinDeg(t.A));
        break;
    }
    case TriangleCase::AAS: {
        if (t.A + t.C >= 180) return kInconsistent;
        t.B = 180 - t.A - t.C;
        t.c = rt::Div(t.a * SinDeg(t.C), SinDeg(t.A));
        t.b = rt::Div(t.a * SinDeg(t.B), SinDeg(t.A));
        break;
    }
    case TriangleCase::SSS: {
        if (!(t.a + t.b > t.c && t.a + t.c > t.b && t.b + t.c > t.a)) return kNoTriangle;
        t.A = AcosDeg(rt::Div(t.b * t.b + t.c * t.c - t.a * t.a, 2 * t.b * t.c));
        t.B = AcosDeg(rt::Div(t.a * t.a + t.c * t.c - t.b * t.b, 2 * t.a * t.c));
        t.C = 180 - t.A - t.B;
        break;
    }
    case TriangleCase::None: break;
    }
    CheckAll(t);
    return "";
}

TriangleSolution ToUserOrder(const CanonicalTriangle& canon, const std::string& code, int decimals) {
    CanonicalTriangle t = canon;
    TriangleSolution s;
    for (int i = 0; i < 3; ++i) {
        int k = code[i] - '0';
        s.position[i] = k;
        s.L[i] = SideAt(t, k);
        s.A[i] = AngleAt(t, k);
    }
    s.perimeter = rt::RoundHalfEven(rt::Checked(s.L[0] + s.L[1] + s.L[2]), decimals);
    s.area = rt::RoundHalfEven(rt::Checked(std::fabs(0.5 * s.L[0] * s.L[2] * num::SinDeg(s.A[1]))), decimals);
    return s;
}

std::string SolutionText(const TriangleSolution& s, int decimals) {
    std::string out;
    for (int i = 0; i < 3; ++i) {
        out += "\\100";
        out += kTriangleColorDigits[s.position[i] - 1];
        out += Num(s.L[i], decimals) + ", " + Num(s.A[i], decimals) + "°\\" + kCrLf;
    }
    out += "Perímetro = " + Num(s.perimeter, decimals) + ",  Área = " + Num(s.area, decimals);
    return out;
}

// How an element shows in the message that lists the arguments.
std::string ElementText(const rt::Variant& v) { return v.IsEmpty() ? "" : v.ToText(); }

}  // namespace

rt::Outcome<ElementsTriangle> SolveTriangleFromElements(std::span<const rt::Variant> elements, int decimals) {
    using Result = rt::Outcome<ElementsTriangle>;
    if (elements.size() < 6) rt::Fault("triangle from elements: fewer than six elements");
    ElementsTriangle r;
    // Numbers are known, anything else ("x") unknown; a zero counts as unknown.
    std::array<rt::Variant, 6> e;
    std::array<std::optional<double>, 6> known;
    for (int i = 0; i < 6; ++i) {
        e[i] = elements[i];
        if (e[i].IsText() && num::IsNumber(e[i].Text())) e[i] = rt::TextToNumber(e[i].Text());
        if (e[i].IsNumber() && e[i].Number() == 0) e[i] = rt::Variant();
        if (e[i].IsNumber()) {
            known[i] = e[i].Number();
            r.knownMask |= 1 << i;
        }
    }

    if (r.knownMask == kKnownA1 + kKnownA2 + kKnownA3) return Result::Refusal(kThreeAngles);
    const CaseRow* row = nullptr;
    for (const CaseRow& c : kCases)
        if (c.mask == r.knownMask) row = &c;
    if (!row) {
        std::string list;
        for (int i = 0; i < 6; ++i) {
            if (i) list += ", ";
            list += ElementText(e[i]);
        }
        return Result::Refusal(kNotThree + list);
    }
    r.kase = row->kase;
    r.permutation = row->code;

    // The user's known pairs go to their canonical places.
    for (int i = 0; i < 3; ++i) {
        int k = r.permutation[i] - '0';
        if (known[2 * i]) SideAt(r.first, k) = *known[2 * i];
        if (known[2 * i + 1]) AngleAt(r.first, k) = *known[2 * i + 1];
    }
    const std::string refusal = SolveCanonical(r.kase, r.first, r.second);
    if (!refusal.empty()) return Result::Refusal(refusal);

    r.solutions.push_back(ToUserOrder(r.first, r.permutation, decimals));
    if (r.second) r.solutions.push_back(ToUserOrder(*r.second, r.permutation, decimals));
    r.text = SolutionText(r.solutions[0], decimals);
    if (r.second) r.text += kCrLf + SolutionText(r.solutions[1], decimals);
    return r;
}

std::vector<FigureLine> LayoutElementsTriangle(const ElementsTriangle& t) {
    const CanonicalTriangle& c = t.first;
    double xA = c.c * num::CosDeg(c.B);
    double yA = c.c * num::SinDeg(c.B);
    double w, x0 = 0;
    if (xA >= 0 && xA <= c.a) {
        w = c.a;
    } else if (xA > c.a) {
        w = xA;
    } else {
        w = std::fabs(c.b * num::CosDeg(c.C));
        x0 = std::fabs(xA);
    }
    if (yA > w) w = yA;
    double k = rt::Div(kPlotSide, w);
    double bx = rt::Checked(kPlotLeft + k * x0), by = kPlotBottom;
    double cx = rt::Checked(bx + k * c.a), cy = by;
    double ax = rt::Checked(bx + k * xA), ay = rt::Checked(by + k * yA);
    std::vector<FigureLine> lines{
        {bx, by, cx, cy, kTriangleSideColors[0]},
        {cx, cy, ax, ay, kTriangleSideColors[1]},
        {ax, ay, bx, by, kTriangleSideColors[2]},
    };
    if (t.second) {
        double c2 = t.second->c;
        lines.push_back({cx, cy, rt::Checked(bx + k * c2 * num::CosDeg(c.B)),
                         rt::Checked(by + k * c2 * num::SinDeg(c.B)), kTriangleSideColors[1]});
    }
    return lines;
}

rt::Outcome<VerticesTriangle> SolveTriangleFromVertices(std::span<const double> xy, int decimals) {
    if (xy.size() < 6) rt::Fault("triangle from vertices: fewer than six coordinates");
    VerticesTriangle r;
    std::copy_n(xy.begin(), 6, r.xy.begin());
    const double x1 = xy[0], y1 = xy[1], x2 = xy[2], y2 = xy[3], x3 = xy[4], y3 = xy[5];
    for (double v : r.xy) rt::Checked(v);

    const double d12 = num::Hypot(x2 - x1, y2 - y1);
    const double d23 = num::Hypot(x3 - x2, y3 - y2);
    const double d13 = num::Hypot(x3 - x1, y3 - y1);
    // On one line when the directions P1P2 and P2P3 differ by a negligible
    // angle; a cross product needs no slopes, so a vertical side is fine.
    const double cross = (x2 - x1) * (y3 - y2) - (y2 - y1) * (x3 - x2);
    if (std::fabs(cross) <= 1e-6 * d12 * d23) return rt::Outcome<VerticesTriangle>::Refusal(kCollinear);

    r.side = {d23, d13, d12};
    r.angle[0] = AcosDeg(rt::Div((x3 - x1) * (x2 - x1) + (y3 - y1) * (y2 - y1), d13 * d12));
    r.angle[1] = AcosDeg(rt::Div((x1 - x2) * (x3 - x2) + (y1 - y2) * (y3 - y2), d12 * d23));
    r.angle[2] = AcosDeg(rt::Div((x2 - x3) * (x1 - x3) + (y2 - y3) * (y1 - y3), d23 * d13));
    r.gx = rt::Checked((x1 + x2 + x3) / 3);
    r.gy = rt::Checked((y1 + y2 + y3) / 3);
    r.perimeter = rt::Checked(d12 + d23 + d13);
    r.area = rt::Checked(std::fabs(0.5 * ((y3 - y1) * (x2 - x1) - (y2 - y1) * (x3 - x1))));

    for (int i = 0; i < 3; ++i) {
        r.text += "\\100";
        r.text += kTriangleColorDigits[i];
        r.text += "__________" + Num(r.side[i], decimals) + ", " + Num(r.angle[i], decimals) + "°\\" + kCrLf;
    }
    r.text += kCrLf;
    r.text += "Centroide en (" + Num(r.gx, decimals) + ", " + Num(r.gy, decimals) + ")" + kCrLf;
    r.text += "Perímetro = " + Num(r.perimeter, decimals) + ", Área = " + Num(r.area, decimals);
    return r;
}

VerticesFigure LayoutVerticesTriangle(const VerticesTriangle& t) {
    VerticesFigure f;
    std::array<double, 3> xs{t.xy[0], t.xy[2], t.xy[4]}, ys{t.xy[1], t.xy[3], t.xy[5]};
    const double xmin = *std::min_element(xs.begin(), xs.end());
    const double xmax = *std::max_element(xs.begin(), xs.end());
    const double ymin = *std::min_element(ys.begin(), ys.end());
    const double ymax = *std::max_element(ys.begin(), ys.end());
    const double w = std::max(xmax - xmin, ymax - ymin);
    auto mapX = [&](double x) { return rt::Checked(kPlotLeft + rt::Div(kPlotSide * (x - xmin), w)); };
    auto mapY = [&](double y) { return rt::Checked(kPlotBottom + rt::Div(kPlotSide * (y - ymin), w)); };
    for (int i = 0; i < 3; ++i) {
        f.px[i] = mapX(xs[i]);
        f.py[i] = mapY(ys[i]);
        f.labels[i] = "(" + rt::NumberText(xs[i]) + ", " + rt::NumberText(ys[i]) + ")";
        f.leftmost[i] = num::IsNear(xs[i], xmin, 1e-6);
        f.topmost[i] = ys[i] == ymax;
    }
    // The axes run over the whole picture; one that misses it is left out.
    const double ox = mapX(0), oy = mapY(0);
    if (ox >= 0 && ox <= kPicWidth) f.axes.push_back({ox, 0, ox, kPicHeight, kAxisGrey});
    if (oy >= 0 && oy <= kPicHeight) f.axes.push_back({0, oy, kPicWidth, oy, kAxisGrey});
    // Each side in the colour of the result line of the vertex opposite it.
    f.sides = {
        {f.px[0], f.py[0], f.px[1], f.py[1], kTriangleSideColors[2]},
        {f.px[1], f.py[1], f.px[2], f.py[2], kTriangleSideColors[0]},
        {f.px[0], f.py[0], f.px[2], f.py[2], kTriangleSideColors[1]},
    };
    f.gx = mapX(t.gx);
    f.gy = mapY(t.gy);
    return f;
}

}  // namespace calc
