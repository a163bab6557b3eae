#pragma once
// Help context numbers: each control may carry one; a control without its own
// takes the number of the nearest parent that has one. F1 opens the help
// window at the number of the focused control.

class QWidget;

namespace kv {

namespace help {
inline constexpr int Contents = 0;
inline constexpr int MainWindow = 1;
inline constexpr int Editor = 2;
inline constexpr int Types = 3;
inline constexpr int Options = 4;
inline constexpr int ParameterSets = 5;
inline constexpr int Synchronize = 6;
inline constexpr int HandsDisplay = 7;
inline constexpr int ConfusionAlert = 10;
inline constexpr int Analysis = 11;
} // namespace help

void SetHelpContext(QWidget* widget, int context);
// The context of the widget or of its nearest parent that has one; 0 (the
// contents) when none has.
int HelpContextOf(const QWidget* widget);

} // namespace kv
