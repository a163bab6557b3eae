#pragma once
// The one road by which the program asks for a file name. Tests switch it to
// scripting: no dialog is shown, every request is kept, and the answers come
// from a script (a path, or nothing for Cancel; nothing when the script is used up).

#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace kv {

// Open: an existing file. Save: a file to add to (see Ask). SaveAs: a file
// to write whole; the dialog asks nothing, the caller asks before replacing.
enum class TFileDialogKind { Open, Save, SaveAs };

// A file dialog as the program asks for it. Filter holds "Description|pattern"
// pairs separated by "|" ("Saved parameter files|*.SAV|All files|*.*").
struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    QString Title;
    QString Filter;
    QString DefaultExtension;
};

class TFileDialogSeam {
  public:
    // Open: an existing file. Save: a file in an existing folder; a new file is
    // created only after the user agreed, a read-only file is refused, an
    // existing one is taken as it is (the caller adds to it). SaveAs: any
    // name in an existing folder. None changes the current directory. The
    // chosen path, or nothing when the user cancelled.
    static std::optional<QString> Ask(QWidget* parent, const TFileDialogRequest& request);

    // Test hooks.
    static void StartScripting();
    static void StopScripting();
    static void SetNextAnswers(std::deque<std::optional<QString>> answers);
    static const std::vector<TFileDialogRequest>& Requests();
};

// RAII for tests: scripts the file dialogs while it lives.
class TScriptedFileDialogs {
  public:
    explicit TScriptedFileDialogs(std::deque<std::optional<QString>> answers = {}) {
        TFileDialogSeam::StartScripting();
        TFileDialogSeam::SetNextAnswers(std::move(answers));
    }
    ~TScriptedFileDialogs() { TFileDialogSeam::StopScripting(); }
    TScriptedFileDialogs(const TScriptedFileDialogs&) = delete;
    TScriptedFileDialogs& operator=(const TScriptedFileDialogs&) = delete;
    const std::vector<TFileDialogRequest>& Requests() const { return TFileDialogSeam::Requests(); }
};

// Qt's form of a "Description|pattern|..." filter: "Description (pattern);;...".
QString QtNameFilters(const QString& filter);

} // namespace kv
