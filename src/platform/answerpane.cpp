#include "platform/answerpane.h"

#include <QTextEdit>
#include <exception>

#include "platform/dialogs.h"
#include "platform/richpane.h"

namespace plat {

AnswerPaneScope::AnswerPaneScope(RichPane& pane)
    : pane_(pane), notices_(NoticesShown()), exceptions_(std::uncaught_exceptions()), beforeBox_([this] { Clear(); }) {
    watch_ = QObject::connect(&pane_, &QTextEdit::textChanged, [this] {
        if (!clearing_) written_ = true;
    });
}

void AnswerPaneScope::Clear() {
    if (written_) return;
    clearing_ = true;
    pane_.SetText(QString());
    clearing_ = false;
}

AnswerPaneScope::~AnswerPaneScope() {
    QObject::disconnect(watch_);
    const bool failed = failed_ || NoticesShown() != notices_ || std::uncaught_exceptions() > exceptions_;
    if (failed) Clear();
}

}  // namespace plat
