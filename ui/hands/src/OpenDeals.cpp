#include "ui/hands/OpenDeals.h"

#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

std::vector<TBoardDeal> SessionBoards(TPbnImport import) {
    std::vector<TBoardDeal> boards;
    boards.reserve(import.Boards.size());
    for (TPbnBoard& b : import.Boards)
        boards.push_back(ToBoardDeal(std::move(b)));
    return boards;
}

// The file is opened by its name in the system's encoding; messages name it
// as the user sees it.
std::optional<std::vector<TBoardDeal>> ReadDealsFile(QWidget* parent, const QString& path) {
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    TPbnImport import = ReadPbnFile(QFile::encodeName(path).toStdString());
    if (import.Error) import.Error->File = shown;
    if (!import.Ok()) {
        TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                           QString::fromStdString(import.Error->Message()));
        return std::nullopt;
    }
    return SessionBoards(std::move(import));
}

bool OpenDealsFile(QWidget* parent, TGraphicDisplayForm& hands) {
    const std::optional<QString> path = TFileDialogSeam::Ask(
        parent, {TFileDialogKind::Open, QStringLiteral("Open Deals (PBN)"),
                 QStringLiteral("PBN files|*.pbn|All files|*"), QStringLiteral("pbn")});
    if (!path || path->isEmpty()) return false;
    std::optional<std::vector<TBoardDeal>> boards = ReadDealsFile(parent, *path);
    if (!boards) return false;
    return hands.ShowImported(std::move(*boards), QFileInfo(*path).fileName());
}

} // namespace kv
