// Feeds arbitrary text to the formula markup: the parser (as UTF-8 text and
// as raw UTF-16 code units, lone surrogates included), the document it
// builds and the picture variant. Nothing may crash or hang; the converted
// text is never longer than the markup, its runs are never empty nor equal
// to their neighbour, and every format is one the markup can give.
#include <QApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "markup_check.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/picmarkup.h"
#include "shell/writer.h"
#include "text/markup.h"

namespace {

using fuzzcheck::CheckParsed;
using fuzzcheck::Require;

// The application, the document and the picture live for the whole run:
// a pane keeps its own document and each build replaces what the previous
// one left; the picture is cleared before each line.
struct Shared {
    QTextDocument doc;
    plat::Picture pic{QStringLiteral("pic")};
};

Shared& Fixture() {
    static int argc = 1;
    static char name[] = "fuzz_markup";
    static char* argv[] = {name, nullptr};
    static Shared* shared = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        auto* s = new Shared;
        s->doc.setUndoRedoEnabled(false);
        s->pic.resize(120, 40);
        s->pic.ScaleYUp();
        return s;
    }();
    return *shared;
}

}  // namespace

// Fontconfig keeps its caches for the life of the process; what it holds
// when the leak checker looks is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

// Under libFuzzer the application starts, and the fonts of the picture
// variant load, before the first input, whose time would include them.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    plat::Picture& pic = Fixture().pic;
    shell::PrintMarkupText(pic, "x;a$b_c!1#grad", 2, 30, "Times New Roman", 8);
    pic.Cls();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Shared& shared = Fixture();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Raw code units: any 16-bit value, surrogates alone or in pairs.
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    CheckParsed(text::ParseMarkup(units), units.size());

    // Text as UTF-8, through the parser and into a document.
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    const text::ParsedMarkup parsed = text::ParseMarkup(view);
    const size_t shown = CheckParsed(parsed, view.size());
    shell::BuildMarkupDocument(shared.doc, parsed, QStringLiteral("Times New Roman"), 10);
    Require(static_cast<size_t>(shared.doc.characterCount() - 1) == shown);

    // The picture variant, on a short line.
    plat::Picture& pic = shared.pic;
    pic.Cls();
    rt::IgnoreError("a numeric symbol code above 255 reaches the caller as a run-time error",
                    [&] { shell::PrintMarkupText(pic, text.left(64).toStdString(), 2, 30, "Times New Roman", 8); });
    Require(pic.FontName() == QLatin1String("Times New Roman") && pic.FontSize() == 8);
    return 0;
}
