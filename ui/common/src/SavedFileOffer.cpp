#include "ui/common/SavedFileOffer.h"

#include "ui/common/DesktopSeam.h"
#include "ui/common/MessageSeam.h"

#include <QDir>
#include <QFileInfo>

namespace kv {

QString SavedFileText(const QString& lead, const QString& file, const QString& note) {
    QString text = lead + QLatin1Char('\n') + QDir::toNativeSeparators(file);
    if (!note.isEmpty()) text += QStringLiteral("\n\n") + note;
    return text;
}

void OfferToOpenFile(QWidget* parent, const QString& title, const QString& lead,
                     const QString& file, const QString& note) {
    const int choice = TMessageSeam::Choose(
        parent, TMessageKind::Information, title, SavedFileText(lead, file, note),
        {QStringLiteral("&Open"), QStringLiteral("Open &Folder"), QStringLiteral("&Close")});
    if (choice == 0) TDesktopSeam::Open(file);
    if (choice == 1) TDesktopSeam::Open(QFileInfo(file).absolutePath());
}

} // namespace kv
