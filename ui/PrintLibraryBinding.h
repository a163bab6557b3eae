#pragma once
// Binding the print library at start-up, with the two warnings the user sees
// when it cannot be used. Printing stays disabled for the whole run then.

#include "PrintLibrary.h"

class QAction;
class QWidget;

namespace kv {

inline constexpr const char* kPrintLibraryNotFound =
    "ZUZIROR3.DLL not found.\r\rThe routines in this program for printing hands require the file "
    "ZUZIROR3.DLL.  The file must be located (1) in the same directory as the program file, (2) in "
    "the current directory, (3) in the Windows system directory, (4) in the Windows directory, or "
    "(5) in a directory listed in the PATH environmental variable.";

inline constexpr const char* kPrintLibraryUnusable =
    "There was a problem interfacing with ZUZIROR3.DLL,  which the hand-printing routines in this "
    "program require.  Printing will be disabled.";

// Binds `library`; when that fails, shows the matching warning (titled
// "Warning", OK button) over `parent` and disables `printAction`. True when
// printing is possible.
bool BindPrintLibrary(TPrintLibrary& library, QWidget* parent, QAction* printAction);

} // namespace kv
