#include "shell/arghelp.h"

#include "platform/files.h"
#include "runtime/errors.h"

namespace shell {

QString ReadTextFile(const QString& path) {
    std::optional<QString> text = plat::ReadTextFile(path);
    if (!text)
        throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "No se pudo leer el archivo " + path.toStdString() + ".");
    return *std::move(text);
}

QStringList SplitArgHelp(const QString& text) {
    return text.split(QStringLiteral("---\r\n"), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

const std::string& ArgHelpStore::operator[](int k) const {
    rt::CheckIndex(k, 1, UBound());
    return pieces_[static_cast<size_t>(k - 1)];
}

void ArgHelpStore::Set(const QStringList& pieces) {
    pieces_.clear();
    pieces_.reserve(static_cast<size_t>(pieces.size()));
    for (const QString& p : pieces) pieces_.push_back(p.toStdString());
    allocated_ = true;
}

void ArgHelpStore::Erase() {
    pieces_.clear();
    allocated_ = false;
}

ArgHelpStore& ArgHelpTexts() {
    static ArgHelpStore store;
    return store;
}

void LoadCalcHelp() {
    rt::IgnoreError("without the argument-help file the help box stays empty; the program still runs", [&] {
        ArgHelpTexts().Set(SplitArgHelp(ReadTextFile(plat::DataFilePath(QString::fromLatin1(kArgHelpFile)))));
    });
}

}  // namespace shell
