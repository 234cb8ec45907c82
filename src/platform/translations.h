#pragma once
// Qt's own texts in Spanish: the context menus of text boxes and rich panes
// ("Deshacer", "Copiar", ...), the buttons and labels of the standard dialogs
// and the print dialog. The program's own texts are Spanish already and are
// not translated. Installed for as long as the object lives.
#include <QString>
#include <memory>

class QTranslator;

namespace plat {

class QtSpanish {
public:
    QtSpanish();   // loads and installs Qt's Spanish catalogue
    ~QtSpanish();  // removes it again
    QtSpanish(const QtSpanish&) = delete;
    QtSpanish& operator=(const QtSpanish&) = delete;

    // False when Qt's translations are not installed: the standard texts
    // then stay in English.
    bool Loaded() const { return translator_ != nullptr; }
    // The catalogue file looked for.
    const QString& File() const { return file_; }

private:
    std::unique_ptr<QTranslator> translator_;
    QString file_;
};

}  // namespace plat
