#include "PrintLibraryBinding.h"

#include "MessageSeam.h"

#include <QAction>

namespace kv {

bool BindPrintLibrary(TPrintLibrary& library, QWidget* parent, QAction* printAction) {
    const TBindResult result = library.Bind();
    if (result == TBindResult::Bound) return true;
    if (printAction != nullptr) printAction->setEnabled(false);
    const char* text =
        result == TBindResult::FileMissing ? kPrintLibraryNotFound : kPrintLibraryUnusable;
    TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                       QString::fromLatin1(text));
    return false;
}

} // namespace kv
