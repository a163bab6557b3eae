#include "ui/mainwindow/PrintLibraryState.h"

namespace kv {

QString PrintLibraryWarning(TPrintLibraryState state) {
    switch (state) {
    case TPrintLibraryState::NotFound:
        return QStringLiteral(
            "ZUZIROR3.DLL not found.\r\rThe routines in this program for printing hands require "
            "the file ZUZIROR3.DLL.  The file must be located (1) in the same directory as the "
            "program file, (2) in the current directory, (3) in the Windows system directory, "
            "(4) in the Windows directory, or (5) in a directory listed in the PATH "
            "environmental variable.");
    case TPrintLibraryState::EntryPointMissing:
        return QStringLiteral(
            "There was a problem interfacing with ZUZIROR3.DLL,  which the hand-printing "
            "routines in this program require.  Printing will be disabled.");
    case TPrintLibraryState::Usable:
        break;
    }
    return {};
}

} // namespace kv
