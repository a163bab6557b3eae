#include "SessionPbnSave.h"

#include "ProgramVersion.h"
#include "output/dealtext/DealSession.h"
#include "output/dealtext/PbnExport.h"
#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/RecordFile.h"
#include "ui/common/AnalysisProgress.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/SavedFileOffer.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {
namespace {

std::optional<QString> AskFileName(QWidget* parent) {
    const std::optional<QString> path = TFileDialogSeam::Ask(
        parent, {TFileDialogKind::SaveAs, QStringLiteral("Save as PBN"),
                 QStringLiteral("PBN files|*.pbn|All files|*"), QStringLiteral("pbn")});
    if (!path || path->isEmpty()) return std::nullopt;
    const QFileInfo info(*path);
    if (!info.exists()) return path;
    const bool replace = TMessageSeam::Confirm(
        parent, QStringLiteral("Confirm"),
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(info.fileName()));
    return replace ? path : std::nullopt;
}

// One table per board; nothing for the boards that leave hands out. Nothing
// at all when the user cancelled.
std::optional<std::vector<std::optional<TDDTable>>> Analyse(QWidget* parent,
                                                            const TDealSession& session) {
    std::vector<TFullDeal> deals;
    for (const TBoardDeal& board : session.Boards())
        if (board.Complete()) deals.push_back(board.Deal);
    const std::optional<std::vector<TDDTable>> solved =
        AnalyseWithProgress(parent, QStringLiteral("Save as PBN"), deals);
    if (!solved) return std::nullopt;
    std::vector<std::optional<TDDTable>> tables;
    std::size_t next = 0;
    for (const TBoardDeal& board : session.Boards())
        tables.push_back(board.Complete() ? std::optional<TDDTable>((*solved)[next++])
                                          : std::nullopt);
    return tables;
}

bool WriteWhole(QWidget* parent, const QString& path, const std::string& text) {
    try {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        detail::ReplaceFile(QFile::encodeName(path).toStdString(), {bytes, text.size()});
        return true;
    } catch (const EInOutError& error) {
        TMessageSeam::Show(
            parent, TMessageKind::Warning, QStringLiteral("Warning"),
            QStringLiteral("%1 could not be saved: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.Description())));
        return false;
    }
}

} // namespace

QString SessionGenerator(const TDealSession& session) {
    if (!session.Seed()) return {};
    const std::string program = std::string("Kestrovanhalme ") + kProgramVersion;
    return QString::fromStdString(PbnGeneratorValue(program, *session.Seed()));
}

bool SaveSessionAsPbn(QWidget* parent, const TDealSession& session, bool withDoubleDummy) {
    if (session.Empty()) return false;
    const std::optional<QString> path = AskFileName(parent);
    if (!path) return false;
    std::vector<std::optional<TDDTable>> tables;
    if (withDoubleDummy) {
        auto analysed = Analyse(parent, session);
        if (!analysed) return false;
        tables = std::move(*analysed);
    }
    const std::string date =
        QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    const std::string text =
        PbnFileText(session.Boards(), date, SessionGenerator(session).toStdString(), tables);
    if (!WriteWhole(parent, *path, text)) return false;
    OfferToOpenFile(parent, QStringLiteral("Save as PBN"),
                    QStringLiteral("The boards were saved as"), *path);
    return true;
}

} // namespace kv
