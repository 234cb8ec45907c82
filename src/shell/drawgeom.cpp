#include "shell/drawgeom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace shell {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;
constexpr int kMaxInt16 = 32767;

double RoundPixel(double v) { return rt::RoundHalfEven(v); }

}  // namespace

Direction DirectionOf(int hour, double angleDeg) {
    rt::CheckIndex(hour, 1, 12);
    // Base angle and the sign the hour's angle is added with.
    static const float base[13] = {0,
                                   static_cast<float>(kPi / 2),
                                   0,
                                   0,
                                   0,
                                   static_cast<float>(3 * kPi / 2),
                                   static_cast<float>(3 * kPi / 2),
                                   static_cast<float>(3 * kPi / 2),
                                   static_cast<float>(kPi),
                                   static_cast<float>(kPi),
                                   static_cast<float>(kPi),
                                   static_cast<float>(kPi / 2),
                                   static_cast<float>(kPi / 2)};
    static const int sign[13] = {0, -1, 1, 0, -1, 1, 0, -1, 1, 0, -1, 1, 0};
    Direction d;
    d.angle = sign[hour] * Sng(angleDeg) * num::kDegToRad + static_cast<double>(base[hour]);
    d.cos = Sng(std::cos(d.angle));
    d.sin = Sng(std::sin(d.angle));
    d.cos90 = -d.sin;
    d.sin90 = d.cos;
    return d;
}

int OppositeHour(int hour) {
    rt::CheckIndex(hour, 1, 12);
    return hour > 6 ? hour - 6 : hour + 6;
}

void SetDirection(DrawEngState& st, int hour, double angleDeg) {
    Direction d = DirectionOf(hour, angleDeg);
    st.DirHour = hour;
    st.DirAlpha = Sng(angleDeg);
    st.DirAngle = d.angle;
    st.DirCos = d.cos;
    st.DirSin = d.sin;
    st.Dir90Cos = d.cos90;
    st.Dir90Sin = d.sin90;
}

int NextShapeNumber(int& counter) {
    if (counter >= kMaxInt16) rt::Raise(rt::ErrorCode::Overflow);
    return ++counter;
}

void RegisterShape(DrawEngState& st, const std::string& kind, int n, double x, double y, double len1, double len2) {
    NextShapeNumber(st.ShapeCount);
    ShapeRec r;
    r.Name = kind + "-" + std::to_string(n);
    r.X = Sng(x);
    r.Y = Sng(y);
    r.Hour = st.DirHour;
    r.Angle = Sng(st.DirAlpha);
    r.Len1 = Sng(len1);
    r.Len2 = Sng(len2);
    st.Shapes.push_back(std::move(r));
}

void ClearShapes(DrawEngState& st) {
    st.Shapes.clear();
    st.ShapeCount = 0;
    st.LineShapeCount = 0;
    st.ArrowShapeCount = 0;
}

PointD ShapePoint(const DrawEngState& st, const std::string& name, double u, double v) {
    for (const ShapeRec& r : st.Shapes) {
        if (r.Name != name) continue;
        Direction d = DirectionOf(r.Hour, r.Angle);
        return {Sng(r.X + u * d.cos * r.Len1 + v * d.cos90 * r.Len2),
                Sng(r.Y + u * d.sin * r.Len1 + v * d.sin90 * r.Len2)};
    }
    rt::Fault("no shape named " + name);
}

ArrowPoints ArrowGeometry(PointD pen, double lengthPx, bool fromPen, const Direction& d, int headSize) {
    // The head's length is a 16-bit quantity.
    if (2.0 * headSize + 1 > kMaxInt16 || 2.0 * headSize + 1 < -kMaxInt16 - 1) rt::Raise(rt::ErrorCode::Overflow);
    ArrowPoints a;
    if (fromPen) {
        a.tail = pen;
        a.tip = {Sng(pen.x + lengthPx * d.cos), Sng(pen.y + lengthPx * d.sin)};
    } else {
        a.tip = pen;
        a.tail = {Sng(pen.x - lengthPx * d.cos), Sng(pen.y - lengthPx * d.sin)};
    }
    const double s = headSize + 1;
    const double b = 2 * headSize + 1;
    a.corner1 = {RoundPixel(a.tip.x - b * d.cos + s * d.cos90), RoundPixel(a.tip.y - b * d.sin + s * d.sin90)};
    a.corner2 = {RoundPixel(a.tip.x - b * d.cos - s * d.cos90), RoundPixel(a.tip.y - b * d.sin - s * d.sin90)};
    a.headTip = {RoundPixel(a.tip.x), RoundPixel(a.tip.y)};
    return a;
}

PointD LabelOffset(bool fromPen, int hour, double w, double h) {
    const PointD aboveRight{0, h}, belowRight{0, 0}, belowLeft{-w - 2, 0}, aboveLeft{-w - 2, h};
    if (fromPen) {
        switch (hour) {
        case 12:
        case 1:
        case 2:
        case 3: return aboveRight;
        case 4:
        case 5:
        case 6: return belowRight;
        case 7:
        case 8:
        case 9: return belowLeft;
        default: return aboveLeft;  // 10, 11
        }
    }
    switch (hour) {
    case 7:
    case 8:
    case 9: return aboveRight;
    case 10:
    case 11:
    case 12: return belowRight;
    case 1:
    case 2:
    case 3: return belowLeft;
    default: return aboveLeft;  // 4, 5, 6
    }
}

PointD LabelPoint(PointD anchor, bool fromPen, int hour, double w, double h) {
    PointD off = LabelOffset(fromPen, hour, w, h);
    PointD p{anchor.x + off.x, anchor.y + off.y};
    if (p.x <= 0) p.x = 2;
    return p;
}

PointD KeepLabelInside(PointD topLeft, double w, double h, const AreaD& area) {
    constexpr double kMargin = 2;
    PointD p = topLeft;
    p.x = std::min(p.x, area.right - kMargin - w);
    p.x = std::max(p.x, area.left + kMargin);
    p.y = std::max(p.y, area.bottom + kMargin + h);
    p.y = std::min(p.y, area.top - kMargin);
    return p;
}

bool LabelIsEmpty(const rt::Variant& label) { return label.IsEmptyText(); }

std::string LabelRawText(const rt::Variant& label) { return label.ToText(); }

std::string LabelShownText(const rt::Variant& label) {
    if (num::IsNumber(label)) return rt::NumberText(std::fabs(label.ToNumber()));
    std::string s = label.ToText();
    if (!s.empty() && s[0] == '-') s.erase(0, 1);
    return s;
}

ArcLimits ArcLimitsOf(double dirAngle, double sweepRad, bool centred) {
    ArcLimits lim;
    if (centred) {
        lim.start = dirAngle - std::fabs(sweepRad) / 2;
        lim.end = dirAngle + std::fabs(sweepRad) / 2;
    } else if (sweepRad > 0) {
        lim.start = dirAngle;
        lim.end = dirAngle + sweepRad;
    } else {
        lim.start = dirAngle + sweepRad;
        lim.end = dirAngle;
    }
    const double twoPiSingle = Sng(kTwoPi);
    for (double* l : {&lim.start, &lim.end}) {
        if (*l > twoPiSingle) *l -= kTwoPi;
        if (*l < 0) *l = kTwoPi - std::fabs(*l);
    }
    return lim;
}

OpenHead ArcHead(PointD centre, double radiusPx, const ArcLimits& lim, double sweepRad) {
    double at = sweepRad > 0 ? lim.end : lim.start;
    double a = sweepRad > 0 ? at + kPi / 2 : at - kPi / 2;
    OpenHead h;
    h.at = {centre.x + radiusPx * std::cos(at), centre.y + radiusPx * std::sin(at)};
    const double ca = std::cos(a), sa = std::sin(a);
    h.end1 = {h.at.x - 6 * ca + 4 * -sa, h.at.y - 6 * sa + 4 * ca};
    h.end2 = {h.at.x - 6 * ca - 4 * -sa, h.at.y - 6 * sa - 4 * ca};
    return h;
}

std::optional<MomentArcShape> MomentArcOf(PointD c, double R, int sense) {
    MomentArcShape m;
    m.arc = {0.5235987755982989, 5.759586531581289};
    if (sense == 1) {
        m.head.at = {c.x + 0.866 * R, c.y + 0.5 * R};
        m.head.end1 = {m.head.at.x - 3, m.head.at.y + 7};
        m.head.end2 = {m.head.at.x - 7, m.head.at.y + 3};
    } else if (sense == -1) {
        m.head.at = {c.x + 0.866 * R, c.y - 0.5 * R};
        m.head.end1 = {m.head.at.x - 7, m.head.at.y - 3};
        m.head.end2 = {m.head.at.x - 3, m.head.at.y - 7};
    } else {
        return std::nullopt;
    }
    return m;
}

std::optional<SegmentD> ClipLineOfAction(double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                                         double angleDeg) {
    if (xa > xb) std::swap(xa, xb);
    if (ya > yb) std::swap(ya, yb);
    const double absAngle = std::fabs(angleDeg);
    if (num::IsNear(absAngle, 90, 1e-6) || num::IsNear(absAngle, 270, 1e-6)) return SegmentD{{x0, ya}, {x0, yb}};
    const double m = num::TanDeg(angleDeg);
    // A slope this flat is horizontal to the pixel; it also keeps the edge
    // crossings below finite.
    if (num::IsNear(absAngle, 0, 1e-6) || num::IsNear(absAngle, 180, 1e-6) || std::fabs(m) < 1e-12)
        return SegmentD{{xa, y0}, {xb, y0}};
    const double b = y0 - m * x0;
    const double yA = m * xa + b, yB = m * xb + b;
    const double xA = (ya - b) / m, xB = (yb - b) / m;
    auto inY = [&](double y) { return ya <= y && y <= yb; };

    PointD p1;
    std::optional<PointD> p2;
    if (xa <= xA && xA <= xb) {
        p1 = {xA, ya};
        double yExit = m > 0 ? yB : yA;
        double xExit = m > 0 ? xb : xa;
        if (inY(yExit))
            p2 = PointD{xExit, yExit};
        else if (yExit > yb)
            p2 = PointD{xB, yb};
    } else if (xA < xa) {
        p1 = {xa, yA};
        if (inY(yB))
            p2 = PointD{xb, yB};
        else if (yB > yb)
            p2 = PointD{xB, yb};
    } else {
        p1 = {xb, yB};
        if (inY(yA))
            p2 = PointD{xa, yA};
        else if (yA > yb)
            p2 = PointD{xB, yb};
    }
    // The entry point must lie on the rectangle, or the line misses it (a
    // corner may be hit a rounding error away).
    const double eps = 1e-6;
    auto onRect = [&](PointD p) { return p.x >= xa - eps && p.x <= xb + eps && p.y >= ya - eps && p.y <= yb + eps; };
    if (!p2 || !onRect(p1) || !onRect(*p2)) return std::nullopt;
    return SegmentD{p1, *p2};
}

}  // namespace shell
