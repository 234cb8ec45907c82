#pragma once
// An undo that runs on every way out of a scope: a return, a run-time error,
// a program fault or any other exception. A handler that changes state and
// may fail part way puts its undo here, never only inside the catch of one
// kind of failure.
//
//   rt::ScopeGuard undo([&] { st.Forces = saved; });
//   ... change st.Forces; anything may throw ...
//   undo.Keep();  // done: the changes stay
//
// Run() undoes at once (for a handler that shows a message or redraws after
// the undo); either call disarms the guard. The undo must not throw.
#include <utility>

namespace rt {

template <class F>
class ScopeGuard {
public:
    explicit ScopeGuard(F undo) : undo_(std::move(undo)) {}
    ~ScopeGuard() {
        if (armed_) undo_();
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

    // The work succeeded: nothing is undone.
    void Keep() { armed_ = false; }
    // Undoes now, once.
    void Run() {
        if (!armed_) return;
        armed_ = false;
        undo_();
    }

private:
    F undo_;
    bool armed_ = true;
};

}  // namespace rt
