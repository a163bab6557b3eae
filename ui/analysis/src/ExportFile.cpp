#include "ExportFile.h"

#include "ui/common/MessageSeam.h"

#include <QFileDialog>
#include <QSaveFile>

namespace kv {
namespace {

struct TSeamState {
    bool Scripting = false;
    std::deque<std::optional<QString>> Answers;
    std::vector<QString> Titles;
};

TSeamState& State() {
    static TSeamState state;
    return state;
}

} // namespace

std::optional<QString> TExportFileSeam::AskSaveName(QWidget* parent, const QString& title,
                                                    const QString& filter, const QString& suffix) {
    if (State().Scripting) {
        State().Titles.push_back(title);
        if (State().Answers.empty()) return std::nullopt;
        std::optional<QString> answer = State().Answers.front();
        State().Answers.pop_front();
        return answer;
    }
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void TExportFileSeam::StartScripting(std::deque<std::optional<QString>> answers) {
    State() = TSeamState{true, std::move(answers), {}};
}

void TExportFileSeam::StopScripting() {
    State().Scripting = false;
}

const std::vector<QString>& TExportFileSeam::AskedTitles() {
    return State().Titles;
}

bool WriteExportFile(QWidget* parent, const QString& path,
                     const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly) && write(file);
    written = written && file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        TMessageSeam::Show(
            parent, TMessageKind::Error, QStringLiteral("Error"),
            QStringLiteral("The file %1 could not be written: %2").arg(path, reason));
    }
    return written;
}

} // namespace kv
