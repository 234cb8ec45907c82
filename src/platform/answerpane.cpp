#include "platform/answerpane.h"

#include <QTextEdit>
#include <exception>

#include "platform/dialogs.h"
#include "platform/richpane.h"

namespace plat {

AnswerPaneScope::AnswerPaneScope(RichPane& pane)
    : pane_(pane), notices_(NoticesShown()), exceptions_(std::uncaught_exceptions()) {
    watch_ = QObject::connect(&pane_, &QTextEdit::textChanged, [this] { written_ = true; });
}

AnswerPaneScope::~AnswerPaneScope() {
    QObject::disconnect(watch_);
    const bool failed = failed_ || NoticesShown() != notices_ || std::uncaught_exceptions() > exceptions_;
    if (failed && !written_) pane_.SetText(QString());
}

}  // namespace plat
