#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plat {

QtSpanish::QtSpanish() {
    // Debian's qt6-translations-l10n puts the catalogues in Qt's folder.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    file_ = folder + QStringLiteral("/qtbase_es.qm");
    auto t = std::make_unique<QTranslator>();
    if (t->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(t.get()))
        translator_ = std::move(t);
}

QtSpanish::~QtSpanish() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

}  // namespace plat
