#include "calculator/arghelp.h"

#include <QString>

#include "platform/richpane.h"
#include "runtime/errors.h"
#include "shell/writer.h"
#include "text/resultformat.h"

namespace calc {

int HelpPieceOf(int procedure) {
    if (procedure == 1 || procedure == 2) return procedure;
    if (procedure >= 5 && procedure <= 37) return procedure - 2;
    return 0;
}

void ShowArgHelp(plat::RichPane& txtArgHelp, const std::vector<std::string>& pieces, int piece) {
    if (piece <= 0 || piece > static_cast<int>(pieces.size())) return;
    rt::IgnoreError("a help text that cannot be written leaves the box as it is; it is only help", [&] {
        const text::ResultLines lines{pieces[static_cast<size_t>(piece - 1)]};
        txtArgHelp.SetText(QString());
        shell::WriteResults(txtArgHelp, lines);
        txtArgHelp.SetSelStart(0);
    });
}

}  // namespace calc
