// Conversion of a 200-line worked solution in formula markup, against Qt
// loading the same formatted text from HTML into a document (setHtml).
//   ParseMarkup     the markup parsed into runs
//   OursDocument    parsed and written into a document (as setHtml does)
//   OursPane        the full conversion into the hidden conversion pane
//   WriteResults    conversion, result pane and results log
//   QtSetHtml       QTextDocument::setHtml of the equivalent HTML
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QTextDocument>
#include <string>
#include <vector>

#include "platform/richpane.h"
#include "platform/symbolfont.h"
#include "shell/writer.h"
#include "text/markup.h"

namespace {

// The kind of lines the statics and motion workspaces write.
text::ResultLines WorkedSolution() {
    const std::vector<std::string> forms = {
        "\\1106Cuerpo {k}: ecuaciones de equilibrio\\",
        "/3Fuerzas/: $F!1 = ({a}, ;-{b}) N,  $F!2 = {b} N a ;q!2 = {k}0#grad",
        "#suma F!x = F!1 cos ;q!1 ;- T!2 sen 30#grad + {a} = 0",
        "#suma F!y = N!A + N!B ;- {b} ;- 9.8 m!{k} = 0",
        "#suma M!A = ;-{a} (2.5) + N!B ({k}.2) ;- M!0 = 0",
        "v¡2 = v!0¡2 + 2 a (x ;- x!0):  {a}¡2 = {b}¡2 + 2 a ({k} ;- 0)",
        "/tSolución:/ t = {a} s, x = ;-{b} m, v!x = {k}.75 m//s",
        "$r #cruz $F = ({a}) ({b}) sen ;a = {k} N#punt m  /8(magnitud)/",
        "x!{k} = x!0 + v!0 t + 0.5 a t¡2 = {a} m   /pimportante/",
        "|;D$r| = #0214({a}¡2 + {b}¡2) = {k}.5 m #apro {k} m",
    };
    text::ResultLines lines;
    for (int i = 0; i < 200; ++i) {
        std::string s = forms[static_cast<size_t>(i) % forms.size()];
        const std::string k = std::to_string(i % 9 + 1), a = std::to_string(i * 7 % 97) + ".25",
                          b = std::to_string(i * 13 % 89) + ".5";
        for (const auto& [key, value] :
             std::vector<std::pair<std::string, std::string>>{{"{k}", k}, {"{a}", a}, {"{b}", b}})
            for (size_t p; (p = s.find(key)) != std::string::npos;) s.replace(p, key.size(), value);
        lines.Add(s);
    }
    return lines;
}

QString Joined(const text::ResultLines& lines) {
    QString text;
    for (const std::string& l : lines.Lines()) text += QString::fromStdString(l) + '\n';
    return text;
}

std::u16string_view View(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

// The same formatted text as HTML: one paragraph a line, one span a run.
QString EquivalentHtml(const QString& text) {
    const text::ParsedMarkup parsed = text::ParseMarkup(View(text));
    QString html = QStringLiteral("<html><body style=\"white-space:pre-wrap\"><p style=\"margin:0\">");
    for (const text::MarkupRun& run : parsed.runs) {
        const text::MarkupFormat& f = run.format;
        // The base font of the conversion is "Times New Roman" too.
        const QString family =
            f.font == text::MarkupFont::Symbol ? QStringLiteral("Symbol") : QStringLiteral("Times New Roman");
        QString style = QStringLiteral("font-family:'%1'; font-size:%2pt; color:#%3%4%5;")
                            .arg(family)
                            .arg(f.size > 0 ? f.size : 10)
                            .arg(f.color & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((f.color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((f.color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
        if (f.bold) style += QStringLiteral(" font-weight:700;");
        if (f.italic) style += QStringLiteral(" font-style:italic;");
        if (f.underline) style += QStringLiteral(" text-decoration:underline;");
        if (f.offsetTwips < 0) style += QStringLiteral(" vertical-align:sub;");
        if (f.offsetTwips > 0) style += QStringLiteral(" vertical-align:super;");
        QString chars =
            QString(reinterpret_cast<const QChar*>(run.text.data()), static_cast<qsizetype>(run.text.size()));
        if (f.font == text::MarkupFont::Symbol) chars = plat::SymbolToUnicode(chars);
        const QStringList pieces = chars.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) html += QStringLiteral("</p>\n<p style=\"margin:0\">");
            if (!pieces[i].isEmpty())
                html += QStringLiteral("<span style=\"%1\">%2</span>").arg(style, pieces[i].toHtmlEscaped());
        }
    }
    html += QStringLiteral("</p></body></html>");
    return html;
}

const text::ResultLines& Lines() {
    static const text::ResultLines lines = WorkedSolution();
    return lines;
}

const QString& Text() {
    static const QString text = Joined(Lines());
    return text;
}

void ParseMarkup(benchmark::State& state) {
    for (auto _ : state) {
        auto parsed = text::ParseMarkup(View(Text()));
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK(ParseMarkup)->Unit(benchmark::kMicrosecond);

void OursDocument(benchmark::State& state) {
    QTextDocument doc;
    for (auto _ : state) {
        shell::BuildMarkupDocument(doc, text::ParseMarkup(View(Text())), QStringLiteral("Times New Roman"), 10);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(OursDocument)->Unit(benchmark::kMicrosecond);

void OursPane(benchmark::State& state) {
    plat::RichPane hold(QStringLiteral("rtbHold"));
    for (auto _ : state) {
        shell::MarkupToRtf(hold, QStringLiteral("Times New Roman"), 10, Text());
        benchmark::DoNotOptimize(hold.TextLength());
    }
}
BENCHMARK(OursPane)->Unit(benchmark::kMicrosecond);

void WriteResults(benchmark::State& state) {
    plat::RichPane calc, reg, solve, help, hold;
    shell::Panes() = shell::ResultPanes{&calc, &reg, &solve, &help, &hold};
    for (auto _ : state) {
        shell::WriteResults(calc, Lines());
        state.PauseTiming();
        reg.SetText(QString());
        state.ResumeTiming();
    }
    shell::Panes() = shell::ResultPanes{};
}
BENCHMARK(WriteResults)->Unit(benchmark::kMicrosecond);

void QtSetHtml(benchmark::State& state) {
    const QString html = EquivalentHtml(Text());
    QTextDocument doc, ours;
    doc.setHtml(html);
    shell::BuildMarkupDocument(ours, text::ParseMarkup(View(Text())), QStringLiteral("Times New Roman"), 10);
    if (doc.toPlainText().trimmed() != ours.toPlainText().trimmed()) {
        state.SkipWithError("the HTML does not hold the same text");
        return;
    }
    for (auto _ : state) {
        doc.setHtml(html);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(QtSetHtml)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
