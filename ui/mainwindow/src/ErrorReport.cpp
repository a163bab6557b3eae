#include "ui/mainwindow/ErrorReport.h"

#include "ui/common/MessageSeam.h"

#include <QString>

namespace kv {

void ShowErrorReport(QWidget* parent, const std::exception& error) {
    QString text = QString::fromLocal8Bit(error.what());
    if (text.isEmpty()) text = QStringLiteral("An unknown error occurred.");
    TMessageSeam::Show(parent, TMessageKind::Error, QStringLiteral("Kestrovanhalme"), text);
}

} // namespace kv
