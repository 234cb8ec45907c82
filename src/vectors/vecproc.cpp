#include "vectors/vecproc.h"

#include <algorithm>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "text/resultformat.h"

namespace vec {

namespace {
const std::string kB4(4, ' ');
const std::string kB6(6, ' ');

// "(x, y)    ó    (M #angu D°)" of a record.
std::string BothForms(const VecRec& v, int d) {
    return "(" + text::MarkupRounded(v.X, d) + ", " + text::MarkupRounded(v.Y, d) + ")" + kB4 + "ó" + kB4 + "(" +
           text::MarkupRounded(v.Mag, d) + " #angu " + text::MarkupRounded(v.Dir, d) + "°)";
}

std::string SumLine(const VecRec& sum, int d) { return "/3Suma/:  " + BothForms(sum, d); }

double Determinant(const VecRec& a, const VecRec& b) { return a.X * b.Y - a.Y * b.X; }
}  // namespace

TwoVectorsResult CombineTwoVectors(const std::string& s1, const std::string& s2, int d) {
    TwoVectorsResult r;
    VecRec a = ParseRecord(s1), b = ParseRecord(s2);
    VecRec sum = ComputedRecord(a.X + b.X, a.Y + b.Y, rt::kBlue);
    VecRec diff = ComputedRecord(b.X - a.X, b.Y - a.Y, rt::kMagenta);
    r.vecs = {a, b, sum, diff};
    double dot = a.X * b.X + a.Y * b.Y;
    // A zero vector has no direction, so no angle with another; the sum,
    // the difference and both products still have their values.
    const bool zero = a.Mag == 0 || b.Mag == 0;
    // Rounding can push the cosine of parallel vectors a hair past 1.
    if (!zero) r.angle = num::ArcCosDeg(std::clamp(rt::Div(dot, a.Mag * b.Mag), -1.0, 1.0));
    const std::string angle = zero ? std::string("no tiene valor: un vector nulo no tiene dirección.")
                                   : text::MarkupRounded(r.angle, d) + "°";
    r.lines = {
        "Vectores dados:" + std::string(kCrLf) + "(" + text::MarkupRounded(a.X, d) + ", " +
            text::MarkupRounded(a.Y, d) + ")" + kB6 + "y" + kB6 + "(" + text::MarkupRounded(b.X, d) + ", " +
            text::MarkupRounded(b.Y, d) + ")",
        SumLine(sum, d),
        "/8Resta/:  " + BothForms(diff, d),
        "Ángulo entre los vectores:  " + angle,
        "Producto Escalar:  " + text::MarkupRounded(dot, d),
        "Producto Vectorial: " + text::MarkupRounded(a.X * b.Y - b.X * a.Y, d) + " $k",
    };
    return r;
}

std::vector<VecRec> ParseAndSumVectors(std::span<const double> factors, std::span<const std::string> specs) {
    if (specs.empty() || factors.size() < specs.size()) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    std::vector<VecRec> vecs;
    for (const std::string& s : specs) vecs.push_back(ParseRecord(s));
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        double f = factors[i];
        sx = rt::Add(sx, rt::Mul(f, vecs[i].X));
        sy = rt::Add(sy, rt::Mul(f, vecs[i].Y));
    }
    vecs.push_back(RecordFromComponents(sx, sy, rt::kBlue));
    return vecs;
}

ResultText SumReport(std::span<const VecRec> vecs, int d) {
    std::string list = "Vectores dados:" + std::string(kCrLf);
    for (std::size_t i = 0; i + 1 < vecs.size(); ++i) list += BothForms(vecs[i], d) + kCrLf;
    return {list, SumLine(vecs.back(), d)};
}

ResultText CombinationReport(std::span<const double> factors, std::span<const VecRec> vecs, int d) {
    std::string list = "Factores y vectores dados:" + std::string(kCrLf);
    for (std::size_t i = 0; i + 1 < vecs.size(); ++i)
        list += text::MarkupRounded(factors[i], d) + ",    " + BothForms(vecs[i], d) + kCrLf;
    return {list, SumLine(vecs.back(), d)};
}

VectorSumResult SumVectorCells(std::span<const std::string> cells, int d) {
    VectorSumResult r;
    r.factors.assign(cells.size(), 1.0);
    r.vecs = ParseAndSumVectors(r.factors, cells);
    r.lines = SumReport(r.vecs, d);
    return r;
}

VectorSumResult CombineVectorCells(std::span<const std::string> cells, int d) {
    VectorSumResult r;
    std::vector<std::string> specs;
    for (std::size_t i = 0; i + 1 < cells.size(); i += 2) {
        r.factors.push_back(rt::TextToNumber(cells[i]));
        specs.push_back(cells[i + 1]);
    }
    r.vecs = ParseAndSumVectors(r.factors, specs);
    r.lines = CombinationReport(r.factors, r.vecs, d);
    return r;
}

RotationResult RotateVectorOrAxes(double theta, const std::string& vectorText, const std::string& mode, int d) {
    RotationResult r;
    r.theta = theta;
    r.rotateVector = mode == "v";
    r.given = ParseRecord(vectorText);
    double s = r.rotateVector ? -1 : 1;
    double c = num::CosDeg(theta), sn = num::SinDeg(theta);
    double x = r.given.X * c + s * r.given.Y * sn;
    double y = r.given.Y * c - s * r.given.X * sn;
    r.turned = ComputedRecord(x, y, rt::kMagenta);
    auto line = [d](const char* title, const VecRec& v) {
        return std::string(title) + "  (" + text::MarkupRounded(v.X, d) + ", " + text::MarkupRounded(v.Y, d) +
               ")  ó  (" + text::MarkupRounded(v.Mag, d) + " #angu " + text::MarkupRounded(v.Dir, d) + "°)";
    };
    if (r.rotateVector)
        r.lines = {line("Vector a rotar:", r.given), line("Vector rotado:", r.turned)};
    else
        r.lines = {line("Vector en XY:", r.given), line("Vector en X'Y':", r.turned)};
    return r;
}

rt::Outcome<LinearCombinationResult> SolveLinearCombination(std::span<const std::string> specs, int d) {
    if (specs.size() < 3) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    VecRec a = ParseRecord(specs[0]), b = ParseRecord(specs[1]), v = ParseRecord(specs[2], rt::kBlue);
    double det = Determinant(a, b);
    if (num::IsNear(det, 0, 1e-6)) return rt::Outcome<LinearCombinationResult>::Refusal(kNotABasis);
    LinearCombinationResult r;
    r.lambda = rt::Checked((v.X * b.Y - v.Y * b.X) / det);
    r.mu = rt::Checked((a.X * v.Y - a.Y * v.X) / det);
    r.vecs = {a, b, v, RecordFromComponents(r.lambda * a.X, r.lambda * a.Y, rt::kMagenta),
              RecordFromComponents(r.mu * b.X, r.mu * b.Y, rt::kMagenta)};
    double mag = num::Hypot(v.X, v.Y), dir = num::VectorAngleDeg(v.X, v.Y);
    r.lines = {
        "$V = ;l $a + ;m $b = (" + text::MarkupRounded(v.X, d) + ", " + text::MarkupRounded(v.Y, d) + ")   ó   (" +
            text::MarkupRounded(mag, d) + " #angu " + text::MarkupRounded(dir, d) + "°)",
        "$a = (" + text::MarkupRounded(a.X, d) + ", " + text::MarkupRounded(a.Y, d) + "),  $b = (" +
            text::MarkupRounded(b.X, d) + ", " + text::MarkupRounded(b.Y, d) + ")",
        ";l = " + text::MarkupRounded(r.lambda, d) + ", ;m = " + text::MarkupRounded(r.mu, d),
    };
    return r;
}

rt::Outcome<ProjectionsResult> VectorFromProjections(const std::string& as, double ca, const std::string& bs, double cb,
                                                     int d) {
    VecRec a = ParseRecord(as), b = ParseRecord(bs);
    double det = Determinant(a, b);
    if (num::IsNear(det, 0, 1e-6)) return rt::Outcome<ProjectionsResult>::Refusal(kNotIndependent);
    ProjectionsResult r;
    double pa = rt::Checked(ca * a.Mag * a.Mag), pb = rt::Checked(cb * b.Mag * b.Mag);
    double vx = rt::Checked((pa * b.Y - pb * a.Y) / det);
    double vy = rt::Checked((pb * a.X - pa * b.X) / det);
    VecRec v = RecordFromComponents(vx, vy, rt::kMagenta);
    r.vecs = {a, b, v, RecordFromComponents(ca * a.X, ca * a.Y, kGreen),
              RecordFromComponents(cb * b.X, cb * b.Y, kGreen)};
    r.lines = {
        "El vector buscado es:",
        "$V = (" + text::MarkupRounded(v.X, d) + ", " + text::MarkupRounded(v.Y, d) + ")",
        "$V = (" + text::MarkupRounded(v.Mag, d) + " #angu " + text::MarkupRounded(v.Dir, d) + "°)",
        "",
    };
    return r;
}

MomentsResult SumMoments(std::span<const std::string> args, int d) {
    MomentsResult r;
    std::size_t m = args.size() / 2;
    std::vector<VecRec> pos, force;
    for (std::size_t i = 0; i < m; ++i) pos.push_back(ParseRecord(args[2 * i]));
    for (std::size_t i = 0; i < m; ++i) force.push_back(ParseRecord(args[2 * i + 1]));
    if (args.size() % 2 == 1) {
        VecRec a = ParseRecord(args.back());
        r.xA = a.X;
        r.yA = a.Y;
    }
    for (std::size_t i = 0; i < m; ++i) {
        double rx = pos[i].X - r.xA, ry = pos[i].Y - r.yA;
        double mi = rt::Checked(rx * force[i].Y - ry * force[i].X);
        r.text += "(" + text::MarkupRounded(rx, d) + ", " + text::MarkupRounded(ry, d) + ") ^ (" +
                  text::MarkupRounded(force[i].X, d) + ", " + text::MarkupRounded(force[i].Y, d) +
                  ") = " + text::MarkupRounded(mi, d) + kCrLf;
        r.total = rt::Add(r.total, mi);
    }
    return r;
}

ResultText SumMomentsReport(const MomentsResult& r, std::size_t argCount, int d) {
    std::string head = argCount % 2 == 0 ? "/3Suma de momentos con respecto al origen:/  "
                                         : "/3Suma de momentos con respecto al punto (" + text::MarkupRounded(r.xA, d) +
                                               ", " + text::MarkupRounded(r.yA, d) + "):/  ";
    return {head + text::MarkupRounded(r.total, d), r.text};
}

}  // namespace vec
