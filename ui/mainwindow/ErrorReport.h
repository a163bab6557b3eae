#pragma once
// The program's general error report. An input/output or conversion error
// that escapes a user action abandons that action and is shown in one error
// box with the system's description; the program goes on.

#include <exception>
#include <utility>

class QWidget;

namespace kv {

// The error box: titled "Kestrovanhalme", its text the error's description.
void ShowErrorReport(QWidget* parent, const std::exception& error);

// Runs one user action; an error escaping it is reported and swallowed.
// Returns false when the action was abandoned.
template <class TAction> bool RunGuarded(QWidget* parent, TAction&& action) {
    try {
        std::forward<TAction>(action)();
        return true;
    } catch (const std::exception& error) {
        ShowErrorReport(parent, error);
        return false;
    }
}

} // namespace kv
