#include "KvApplication.h"

#include "ui/mainwindow/ErrorReport.h"
#include "ui/mainwindow/ToolBarImages.h"

#include <QFont>

namespace kv {

TKvApplication::TKvApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Kestrovanhalme"));
    setOrganizationName(QStringLiteral("Morvatten"));
    setWindowIcon(ProgramIcon());
    setFont(QFont(QStringLiteral("Arial"), 9));
}

bool TKvApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorReport(activeWindow(), error);
        return false;
    }
}

} // namespace kv
