#include "statics/rigid/drawing.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "numerics/mathutil.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "shell/drawpicture.h"
#include "statics/rigid/util.h"
#include "vectors/clock.h"

namespace rigid {

namespace {

constexpr double kArrowLength = 1.375;
constexpr rt::ColorRef kAxisGrey = 0xC0C0C0;
// The members of a structure are drawn this many pixels wide, so that a
// grey member on an axis still stands out from the thin axis.
constexpr int kMemberWidth = 3;

void LabelFont(plat::Picture& pic) {
    pic.SetForeColor(rt::kBlue);
    pic.SetFontName(QStringLiteral("Small Fonts"));
    pic.SetFontSize(7);
    pic.SetFontBold(true);
}

void PlainFont(plat::Picture& pic) {
    pic.SetForeColor(rt::kBlack);
    pic.SetFontName(QStringLiteral("Times New Roman"));
    pic.SetFontSize(8);
    pic.SetFontBold(false);
}

void LabelPoints(const StatState& st, plat::Picture& pic) {
    LabelFont(pic);
    for (const PointRec& p : st.StatPoints) {
        shell::MoveTo(pic, p.PicX, p.PicY, false);
        shell::MoveRel(pic, -9, -1, false);
        pic.Print(QString::fromStdString(p.Name));
    }
    PlainFont(pic);
}

}  // namespace

void DrawStructureFrame(StatState& st, plat::Picture& pic) {
    if (st.StatPoints.empty()) return;
    const auto& sh = shell::Shared();
    double xmin = st.StatPoints[0].X, xmax = xmin, ymin = st.StatPoints[0].Y, ymax = ymin;
    for (const PointRec& p : st.StatPoints) {
        xmin = std::min(xmin, p.X);
        xmax = std::max(xmax, p.X);
        ymin = std::min(ymin, p.Y);
        ymax = std::max(ymax, p.Y);
    }
    const double span = std::max(xmax - xmin, ymax - ymin);
    const double S = rt::RoundHalfEven(sh.PicHeight - 2 * sh.PlotBottom);
    const double ox = rt::RoundHalfEven((sh.PicWidth - rt::Div(S * (xmax - xmin), span)) / 2);
    const double oy = rt::RoundHalfEven((sh.PicHeight - rt::Div(S * (ymax - ymin), span)) / 2);
    const double x0 = ox - S * xmin / span, y0 = oy - S * ymin / span;
    pic.Cls();
    const double scale = shell::DrawEng().DrawScale;
    shell::MoveTo(pic, x0, 0, false);
    shell::DrawArrow(pic, sh.PicHeight / scale, true, true, 0, false, kAxisGrey, std::string(), 3, 12, 0);
    shell::MoveTo(pic, 0, y0, false);
    shell::DrawArrow(pic, sh.PicWidth / scale, true, true, 0, false, kAxisGrey, std::string(), 3, 3, 0);
    // The axes reach the picture's edges, where the arrow's own label would
    // fall outside: the names go inside, beside the heads.
    PlainFont(pic);
    pic.SetForeColor(0x808080);
    shell::MoveTo(pic, x0 + 6, sh.PicHeight - 2, false);
    pic.Print(QStringLiteral("Y"));
    shell::MoveTo(pic, sh.PicWidth - 12, y0 + 16, false);
    pic.Print(QStringLiteral("X"));
    LabelFont(pic);
    for (PointRec& p : st.StatPoints) {
        p.PicX = static_cast<float>(ox + S * (p.X - xmin) / span);
        p.PicY = static_cast<float>(oy + S * (p.Y - ymin) / span);
        shell::MoveTo(pic, p.PicX, p.PicY, false);
        shell::DrawPointMark(pic, false, 1, true, rt::kBlack);
        shell::MoveRel(pic, -9, -1, false);
        pic.Print(QString::fromStdString(p.Name));
    }
    PlainFont(pic);
}

namespace {

// Segments and marks of one line, without the labels.
void StrokeLine(const StatState& st, plat::Picture& pic, const std::string& letters, bool shown, rt::ColorRef colour,
                double ox, double oy) {
    std::vector<const PointRec*> pts;
    for (const std::string& c : Chars(letters)) {
        const int k = FindPoint(st, c);
        pts.push_back(k ? &PointAt(st, k) : nullptr);
    }
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const PointRec* a = pts[i];
        const PointRec* b = pts[i + 1];
        if (!a || !b) continue;
        const int oldWidth = pic.DrawWidth();
        pic.SetDrawWidth(kMemberWidth);
        pic.Line(a->PicX, a->PicY, b->PicX, b->PicY, shown ? colour : rt::kWhite);
        pic.SetDrawWidth(oldWidth);
        // A cancelled member on an axis gives the axis back.
        const bool onAxis = (num::IsNear(a->PicX, ox, 0.001) && num::IsNear(b->PicX, ox, 0.001)) ||
                            (num::IsNear(a->PicY, oy, 0.001) && num::IsNear(b->PicY, oy, 0.001));
        if (!shown && onAxis) pic.Line(a->PicX, a->PicY, b->PicX, b->PicY, kAxisGrey);
    }
    for (const PointRec* p : pts) {
        if (!p) continue;
        shell::MoveTo(pic, p->PicX, p->PicY, false);
        shell::DrawPointMark(pic, false, 1, true, rt::kBlack);
    }
}

}  // namespace

void DrawLineSegments(const StatState& st, plat::Picture& pic, const std::string& letters, bool shown,
                      rt::ColorRef colour, double ox, double oy) {
    StrokeLine(st, pic, letters, shown, colour, ox, oy);
    LabelPoints(st, pic);
}

void DrawSystemLines(const StatState& st, plat::Picture& pic, const std::string& origin,
                     const std::optional<std::string>& system) {
    if (st.Lines.empty()) return;
    std::string o;
    for (char c : origin)
        if (c != ' ') o += c;
    const int k = FindPoint(st, UpperText(o));
    if (k == 0) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    const double ox = PointAt(st, k).PicX, oy = PointAt(st, k).PicY;
    for (const LineRec& l : st.Lines) {
        if (system ? l.System != *system : l.System.empty()) continue;
        StrokeLine(st, pic, l.Points, l.Shown == "True", static_cast<rt::ColorRef>(rt::TextToNumber(l.Color)), ox, oy);
    }
    LabelPoints(st, pic);
}

namespace {

struct ForceDrawer {
    plat::Picture& pic;
    bool fromPen = true;

    void Arrow(int hour, double alpha, rt::ColorRef colour, const rt::Variant& label) {
        shell::DrawArrow(pic, kArrowLength, fromPen, true, fromPen ? 0 : 1, false, colour, label, 2, hour, alpha);
    }
};

rt::Variant MagnitudeLabel(const ForceRec& f) {
    if (num::IsNumber(f[fr::kMag])) return rt::RoundHalfEven(f[fr::kMag].ToNumber(), 2);
    return f[fr::kArrowLabel];
}

// Draws the couple of a force at the pen; `earlier` couples already have
// their labels at this point, so this label goes that many lines higher.
// Whether a couple was drawn.
bool DrawCouple(const ForceRec& f, plat::Picture& pic, int earlier) {
    const rt::Variant& value = f[fr::kCoupleValue];
    const std::string text = f.Text(fr::kCoupleText);
    rt::ColorRef colour = rt::kBlack;
    double sweep = 0;
    int hour = 2;
    std::string label;
    if (!value.IsEmptyText()) {
        const double v = value.ToNumber();
        if (v == 0) return false;
        colour = static_cast<rt::ColorRef>(f[fr::kCoupleColor].ToNumber());
        sweep = v > 0 ? 270 : -270;
        hour = v > 0 ? 2 : 10;
        label = rt::NumberText(rt::RoundHalfEven(std::fabs(v), 2));
    } else if (text.empty()) {
        return false;
    } else if (!num::IsNumber(text)) {
        colour = rt::kRed;
        const bool minus = text[0] == '-';
        sweep = minus ? -270 : 270;
        label = minus ? text.substr(1) : text;
    } else {
        const double v = rt::TextToNumber(text);
        if (v == 0) return false;
        sweep = v > 0 ? 270 : -270;
        label = rt::NumberText(rt::RoundHalfEven(std::fabs(v), 2));
    }
    pic.SetFontName(QStringLiteral("Small Fonts"));
    pic.SetFontSize(7);
    pic.SetForeColor(colour);
    shell::DrawArcArrow(pic, 0.5, sweep, true, true, hour, 45);
    const QString shown = QString::fromStdString(label);
    shell::MoveRel(pic, -0.5, 1, true);
    shell::MoveRel(pic, 0, earlier * pic.TextHeight(shown), false);
    pic.SetForeColor(colour);
    pic.Print(shown);
    return true;
}

}  // namespace

void DrawDCLForces(StatState& st, plat::Picture& pic, const std::optional<int>& system, const AskDrawAngle& ask) {
    if (st.Forces.empty()) return;
    for (ForceRec& f : st.Forces) {
        const int k = FindPoint(st, f.Text(fr::kPointName));
        if (k == 0) continue;
        const PointRec& p = PointAt(st, k);
        f[fr::kPointX] = p.X;
        f[fr::kPointY] = p.Y;
        f[fr::kPicX] = static_cast<double>(p.PicX);
        f[fr::kPicY] = static_cast<double>(p.PicY);
    }
    // Couples drawn so far at each point of the picture.
    std::map<std::pair<double, double>, int> couplesAt;
    for (ForceRec& f : st.Forces) {
        if (system && f.Body() != *system) continue;
        shell::MoveTo(pic, f[fr::kPicX].ToNumber(), f[fr::kPicY].ToNumber(), false);
        pic.SetForeColor(rt::kBlack);
        ForceDrawer d{pic, f[fr::kArrowFromPoint].IsBool() ? f[fr::kArrowFromPoint] == rt::Variant(true) : true};
        const std::string fmt = f.Text(fr::kFormatName);
        const rt::ColorRef colour = static_cast<rt::ColorRef>(f[fr::kArrowColor].ToNumber());
        const std::string label = f.Text(fr::kArrowLabel);
        const size_t comma = label.find(',');
        const std::string part0 = label.substr(0, comma);
        const std::string part1 = comma == std::string::npos ? std::string() : label.substr(comma + 1);
        auto single = [&] {
            d.Arrow(rt::CInt(f[fr::kHour].ToNumber()), f[fr::kAlpha].ToNumber(), colour, MagnitudeLabel(f));
        };
        const bool xNum = num::IsNumber(f[fr::kX]), yNum = num::IsNumber(f[fr::kY]);
        if (fmt == "cAe,M" || fmt == "cAe,C" || fmt == "hCx" || fmt == "vCy" || fmt == "uD") {
            single();
        } else if (fmt == "Fx,Fy" || fmt == "M<D") {
            const double cx = f[fr::kXCoef].ToNumber(), cy = f[fr::kYCoef].ToNumber();
            if (xNum && yNum) {
                single();
            } else if (xNum) {
                const double X = f[fr::kX].ToNumber();
                if (X != 0) d.Arrow(X > 0 ? 3 : 9, 0, rt::kBlack, part0);
                d.Arrow(cy > 0 ? 12 : 6, 0, rt::kRed, part1);
            } else if (yNum) {
                const double Y = f[fr::kY].ToNumber();
                if (Y != 0) d.Arrow(Y > 0 ? 12 : 6, 0, rt::kBlack, part1);
                d.Arrow(cx > 0 ? 3 : 9, 0, rt::kRed, part0);
            } else if (!f.Text(fr::kXTerm).empty() && !f.Text(fr::kYTerm).empty()) {
                const bool hourKnown = !f[fr::kHour].IsEmptyText() && !f[fr::kAlpha].IsEmptyText();
                if (!hourKnown && f.Text(fr::kXText).find("cos") != std::string::npos) {
                    const std::string answer = ask ? ask() : std::string();
                    const double angle = answer.empty() ? 45 : rt::TextToNumber(answer);
                    f[fr::kDrawAngle] = angle;
                    const vec::HourAlpha ha = vec::ClockSector(num::CosDeg(angle), num::SinDeg(angle));
                    f[fr::kHour] = ha.hour;
                    f[fr::kAlpha] = ha.alpha;
                }
                if (!f[fr::kHour].IsEmptyText() && !f[fr::kAlpha].IsEmptyText()) {
                    d.Arrow(rt::CInt(f[fr::kHour].ToNumber()), f[fr::kAlpha].ToNumber(), rt::kRed, f[fr::kArrowLabel]);
                } else {
                    d.Arrow(cx > 0 ? 3 : 9, 0, rt::kRed, part0);
                    d.Arrow(cy > 0 ? 12 : 6, 0, rt::kRed, part1);
                }
            }
        }
        shell::MoveTo(pic, f[fr::kPicX].ToNumber(), f[fr::kPicY].ToNumber(), false);
        int& earlier = couplesAt[{f[fr::kPicX].ToNumber(), f[fr::kPicY].ToNumber()}];
        if (DrawCouple(f, pic, earlier)) ++earlier;
        PlainFont(pic);
    }
}

}  // namespace rigid
