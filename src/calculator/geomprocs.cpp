#include "calculator/geomprocs.h"

#include <QString>
#include <vector>

#include "calculator/polygon_draw.h"
#include "calculator/triangle_draw.h"
#include "platform/dialogs.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "shell/writer.h"
#include "text/globals.h"

namespace calc {

namespace {

void Write(const text::ResultLines& lines) {
    if (plat::RichPane* pane = shell::Panes().rtbCalc) shell::WriteResults(*pane, lines);
}

// Leaves the result pane's typing format plain black.
void ResetPaneFormat() {
    if (plat::RichPane* pane = shell::Panes().rtbCalc) {
        pane->SetSelColor(rt::kBlack);
        pane->SetSelBold(false);
    }
}

std::vector<double> Numbers(std::span<const rt::Variant> args) {
    std::vector<double> v;
    v.reserve(args.size());
    for (const rt::Variant& a : args) v.push_back(a.ToNumber());
    return v;
}

}  // namespace

text::ResultLines SolveTriangle(plat::Picture& pic, std::span<const rt::Variant> e, int mode) {
    if (e.size() < 6) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    const int decimals = text::G().Decimals;
    text::ResultLines lines;
    if (mode == kTriangleFromVertices) {
        const rt::Outcome<VerticesTriangle> t = SolveTriangleFromVertices(Numbers(e.first(6)), decimals);
        if (!t.ok()) {
            plat::MsgBox(QString::fromStdString(t.message()));
            return lines;
        }
        lines.Add(t->text);
        Write(lines);
        DrawVerticesTriangle(pic, *t);
    } else {
        const rt::Outcome<ElementsTriangle> t = SolveTriangleFromElements(e.first(6), decimals);
        if (!t.ok()) {
            plat::MsgBox(QString::fromStdString(t.message()));
            return lines;
        }
        lines.Add(t->text);
        Write(lines);
        DrawElementsTriangle(pic, *t);
    }
    ResetPaneFormat();
    return lines;
}

text::ResultLines SolvePolygon(plat::Picture& pic, std::span<const rt::Variant> args) {
    const int decimals = text::G().Decimals;
    PolygonReport p = SolvePolygonData(Numbers(args), decimals);
    text::ResultLines lines;
    for (const std::string& line : p.lines) lines.Add(line);
    DrawPolygon(pic, p, decimals);
    Write(lines);
    return lines;
}

text::ResultLines RunGeometryProcedure(int procedureCode, plat::Picture& pic, std::span<const rt::Variant> args) {
    switch (procedureCode) {
    case 10: return SolveTriangle(pic, args, kTriangleFromElements);
    case 11: return SolveTriangle(pic, args, kTriangleFromVertices);
    case 12: return SolvePolygon(pic, args);
    default: return {};
    }
}

}  // namespace calc
