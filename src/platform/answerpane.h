#pragma once
// The result pane during one run of a procedure. A run that fails without
// writing the pane (it answers with a refusal or an error box, or leaves by
// an exception) leaves the pane empty, so no answer to earlier data stays
// under the refusal as if it were the answer to these; a box shown before
// anything is written finds the pane already empty.
#include <QMetaObject>

#include "platform/dialogs.h"

namespace plat {

class RichPane;

class AnswerPaneScope {
public:
    explicit AnswerPaneScope(RichPane& pane);
    ~AnswerPaneScope();
    AnswerPaneScope(const AnswerPaneScope&) = delete;
    AnswerPaneScope& operator=(const AnswerPaneScope&) = delete;

    // The run failed although it showed no box (its message comes later).
    void Failed() { failed_ = true; }
    // Whether the run has written the pane so far.
    bool Written() const { return written_; }

private:
    // Empties the pane unless the run has written it.
    void Clear();

    RichPane& pane_;
    QMetaObject::Connection watch_;
    long long notices_;
    int exceptions_;
    bool written_ = false;
    bool failed_ = false;
    bool clearing_ = false;
    BeforeNotices beforeBox_;
};

}  // namespace plat
