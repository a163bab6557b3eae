#pragma once
// Saving the analysis's exports: asking for a file name (a seam that tests
// script, as they script message boxes) and writing the file whole or not at
// all, through a temporary file renamed into place.

#include <QByteArray>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QIODevice;
class QWidget;

namespace kv {

class TExportFileSeam {
  public:
    // A save dialog that asks before replacing a file. The chosen path, or
    // nothing when the user cancelled. `filter` is Qt's form: "CSV files (*.csv)".
    static std::optional<QString> AskSaveName(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& suffix);

    // Test hooks: while scripting, no dialog is shown and answers come from the script.
    static void StartScripting(std::deque<std::optional<QString>> answers);
    static void StopScripting();
    static const std::vector<QString>& AskedTitles();
};

// RAII for tests.
class TScriptedExportFiles {
  public:
    explicit TScriptedExportFiles(std::deque<std::optional<QString>> answers) {
        TExportFileSeam::StartScripting(std::move(answers));
    }
    ~TScriptedExportFiles() { TExportFileSeam::StopScripting(); }
    TScriptedExportFiles(const TScriptedExportFiles&) = delete;
    TScriptedExportFiles& operator=(const TScriptedExportFiles&) = delete;
};

// Writes through `write` into a temporary file beside `path` and renames it
// into place; the old file stays whole when anything fails. An error box
// titled "Error" ("The file <path> could not be written: <reason>") reports a
// failure. True when the file was written.
bool WriteExportFile(QWidget* parent, const QString& path,
                     const std::function<bool(QIODevice&)>& write);

} // namespace kv
