#include "ui/common/FileDialogSeam.h"

#include "ui/common/MessageSeam.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kv {
namespace {

struct TSeamState {
    bool Scripting = false;
    std::deque<std::optional<QString>> Answers;
    std::vector<TFileDialogRequest> Requests;
};

TSeamState& State() {
    static TSeamState state;
    return state;
}

std::optional<QString> ScriptedAnswer() {
    if (State().Answers.empty()) return std::nullopt;
    std::optional<QString> answer = std::move(State().Answers.front());
    State().Answers.pop_front();
    return answer;
}

// The save dialog's own questions: a file in a folder that does not exist is
// refused, a new file is made only when the user agrees, and a file the user
// may not change is refused.
bool SaveTargetAccepted(QWidget* parent, const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.absoluteDir().exists()) {
        TMessageSeam::Show(parent, TMessageKind::Warning, setmsg::kWarningTitle,
                           setmsg::FolderMissing(QDir::toNativeSeparators(info.absolutePath())));
        return false;
    }
    if (!info.exists())
        return TMessageSeam::Confirm(
            parent, QStringLiteral("Confirm"),
            QStringLiteral("%1 does not exist.\nCreate the file?").arg(name));
    if (info.isWritable()) return true;
    TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                       QStringLiteral("%1 is read-only.\nChoose another file.").arg(name));
    return false;
}

void Configure(QFileDialog& dialog, const TFileDialogRequest& request) {
    dialog.setNameFilters(QtNameFilters(request.Filter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(request.DefaultExtension);
    if (request.Kind == TFileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return;
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Copying adds to an existing file, and a file written whole is replaced
    // only after its writer asked: the dialog's own "replace it?" would be a
    // second question, or the wrong one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> AskUser(QWidget* parent, const TFileDialogRequest& request) {
    QFileDialog dialog(parent, request.Title);
    Configure(dialog, request);
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        if (path.isEmpty()) continue;
        if (request.Kind != TFileDialogKind::Save || SaveTargetAccepted(&dialog, path)) return path;
    }
    return std::nullopt;
}

} // namespace

QString QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> TFileDialogSeam::Ask(QWidget* parent, const TFileDialogRequest& request) {
    if (!State().Scripting) return AskUser(parent, request);
    State().Requests.push_back(request);
    return ScriptedAnswer();
}

void TFileDialogSeam::StartScripting() {
    State() = TSeamState{};
    State().Scripting = true;
}

void TFileDialogSeam::StopScripting() {
    State().Scripting = false;
}

void TFileDialogSeam::SetNextAnswers(std::deque<std::optional<QString>> answers) {
    State().Answers = std::move(answers);
}

const std::vector<TFileDialogRequest>& TFileDialogSeam::Requests() {
    return State().Requests;
}

} // namespace kv
