#pragma once
// Help context numbers: each control, menu or menu item may carry one; a
// control without its own takes the number of the nearest parent that has
// one. F1 opens the help window at the number of the focused control, or, in
// an open menu, at the number of the highlighted item (the menu's own when the
// item has none).

class QAction;
class QObject;
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
// The print dialog: the part of the dealing topic that describes its options.
inline constexpr int PrintDialog = 8;
inline constexpr int ConfusionAlert = 10;
inline constexpr int Analysis = 11;
} // namespace help

// Gives the widget, or the menu item, its own context; 0 (help::Contents)
// marks "none of its own", so that a widget then takes its parent's.
void SetHelpContext(QWidget* widget, int context);
void SetHelpContext(QAction* item, int context);

// The context of the widget or of its nearest parent that has one; 0 (the
// contents) when none has.
int HelpContextOf(const QWidget* widget);
// The context of a menu item; 0 (the contents) when it has none. A menu item
// has no parent to take one from.
int HelpContextOf(const QAction* item);

// The context that the object itself carries, never its parent's; 0 when it
// carries none.
int OwnHelpContext(const QObject* object);

} // namespace kv
