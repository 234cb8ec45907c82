#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace plat {

namespace {
QString& DataOverride() {
    static QString folder;
    return folder;
}

// Splits at CR LF, lone LF and lone CR.
QStringList SplitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(line);
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty()) lines.append(line);
    return lines;
}
}  // namespace

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

QString DataFolder() { return DataOverride().isEmpty() ? ProgramFolder() + QStringLiteral("/data") : DataOverride(); }

void SetDataFolder(const QString& folder) { DataOverride() = folder; }

QString DataFilePath(const QString& name) {
    QString n = name;
    while (n.startsWith(QLatin1Char('\\')) || n.startsWith(QLatin1Char('/'))) n.remove(0, 1);
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return DataFolder() + QLatin1Char('/') + n;
}

std::optional<QStringList> ReadTextLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    return SplitLines(QString::fromUtf8(bytes));
}

std::optional<QString> ReadTextFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            out.append(QStringLiteral("\r\n"));
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

}  // namespace plat
