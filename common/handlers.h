#pragma once
// How event handlers run.
//
// Every handler that Qt starts (a click, a keystroke, a selection, a timer tick, the load of a
// window) runs through HandlerContext::run. An arithmetic fault anywhere inside it ends the handler
// at the faulting step: what was written before stays, a warning says that the result cannot be
// computed, and the window stays open. The calculators themselves contain no error handling.
//
// A handler may start another one: setting a field's text runs its Change handler, which is a plain
// function call, so a fault simply travels up to the first handler. When the inner handler is
// started through Qt instead (moving the focus to an option button, showing a window), the framework
// wraps that Qt call in nested(): the fault is carried across Qt and raised again in the caller.

#include "real.h"

#include <exception>
#include <functional>

class QString;

class HandlerContext {
public:
    static void run(const std::function<void()>& handler);

    template <typename QtCall> static void nested(QtCall&& call)
    {
        const bool saved = nestedActive_;
        nestedActive_ = true;
        try {
            call();
        } catch (...) {
            nestedActive_ = saved;
            throw;
        }
        nestedActive_ = saved;
        rethrowPending();
    }

    // While a modal box waits for the user, the events it lets through are handlers of their own.
    class Independent {
    public:
        Independent() : saved_(nestedActive_) { nestedActive_ = false; }
        ~Independent() { nestedActive_ = saved_; }
        Independent(const Independent&) = delete;
        Independent& operator=(const Independent&) = delete;

    private:
        bool saved_;
    };

    // The message shown for a fault.
    static QString faultMessage(FaultKind kind);
    static QString faultTitle();

    // Faults that were not arithmetic (a bug, not an input): counted for the robustness tests.
    static int internalErrors();

private:
    static void rethrowPending();
    static bool nestedActive_;
};
