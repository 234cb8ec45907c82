#include "calculator/vecprocs_drivers.h"

#include <vector>

#include "numerics/ode.h"
#include "platform/dialogs.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/writer.h"
#include "text/globals.h"
#include "vectors/distload.h"
#include "vectors/ui/forcedraw.h"
#include "vectors/ui/vecdraw.h"
#include "vectors/vecproc.h"

namespace calc {

namespace {

std::vector<std::string> Texts(std::span<const rt::Variant> args) {
    std::vector<std::string> v;
    v.reserve(args.size());
    for (const rt::Variant& a : args) v.push_back(a.ToText());
    return v;
}

const rt::Variant& Arg(std::span<const rt::Variant> args, std::size_t i) {
    rt::CheckIndex(static_cast<long long>(i), 1, static_cast<long long>(args.size()));
    return args[i - 1];
}
std::string TextArg(std::span<const rt::Variant> args, std::size_t i) { return Arg(args, i).ToText(); }
// A scalar argument: the text as typed converted to a number, not evaluated.
double NumberArg(std::span<const rt::Variant> args, std::size_t i) { return Arg(args, i).ToNumber(); }

text::ResultLines Write(const std::vector<std::string>& text) {
    text::ResultLines lines;
    for (const std::string& line : text) lines.Add(line);
    if (lines.UBound() > 0)
        if (plat::RichPane* pane = shell::Panes().rtbCalc) shell::WriteResults(*pane, lines);
    return lines;
}

}  // namespace

text::ResultLines RunVectorProcedure(int procedureCode, plat::Picture& pic, std::span<const rt::Variant> args,
                                     const std::string& density) {
    const int d = text::G().Decimals;
    switch (procedureCode) {
    case 27: return Write(vecui::CombineTwoVectors(pic, TextArg(args, 1), TextArg(args, 2), d));
    case 28: return Write(vecui::SumVectors(pic, Texts(args), d));
    case 29: return Write(vecui::CombineVectors(pic, Texts(args), d));
    case 30: {
        std::vector<std::string> texts = Texts(args);
        vec::MomentsResult r = vec::SumMoments(texts, d);
        return Write(vec::SumMomentsReport(r, texts.size(), d));
    }
    case 31: {
        double theta = NumberArg(args, 2);
        return Write(vecui::RotateVectorOrAxes(pic, theta, TextArg(args, 1), TextArg(args, 3), d));
    }
    case 32: return Write(vecui::SolveLinearCombination(pic, Texts(args), d));
    case 33: {
        std::string a = TextArg(args, 1);
        double ca = NumberArg(args, 2);
        std::string b = TextArg(args, 3);
        double cb = NumberArg(args, 4);
        return Write(vecui::VectorFromProjections(pic, a, ca, b, cb, d));
    }
    case 34: return Write(vecui::ReduceParallelForces1D(pic, Texts(args), d));
    case 35: return Write(vecui::ReduceParallelForces2D(pic, Texts(args), d));
    case 36: return Write(vecui::ReduceCoplanarForces(pic, Texts(args), d));
    case 37: {
        std::string text = rt::Trim(density);
        double x1 = NumberArg(args, 1);
        double x2 = NumberArg(args, 2);
        // An integration that gives up says where and what to change; the
        // run then fails as any other run-time error.
        auto integrate = [](const std::string& integrand, double a, double b) {
            rt::Outcome<double> v = vec::SolveLoadIntegral(integrand, a, b);
            if (!v.ok())
                plat::MsgBox(QString::fromStdString(v.message()), plat::MsgButtons::OK,
                             QString::fromStdString(num::kOdeMessageTitle));
            return v;
        };
        return Write(vecui::ReduceDistributedLoad(pic, text, x1, x2, integrate, d));
    }
    default: return {};
    }
}

}  // namespace calc
