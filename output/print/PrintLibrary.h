#pragma once
// The program's binding of the hand-printing library: loaded by file name,
// its entry points looked up by name. Printing is possible only while the
// library is bound; every call on an unbound library does nothing.
//
// The library analyses deals with the dds solver, which it shares with the
// program. This binding refers to the program's solver, so every program
// that uses it loads the solver at start-up: Debian's libdds 2.9 crashes at
// exit when it is first loaded later, as a dependency of a library loaded
// at run time.

#include "output/print/PrinterChoice.h"

#include <QLibrary>
#include <QString>

#include <functional>
#include <string>

namespace kv {

struct TPrintMultiArgs {
    int Layout = 0;
    int Selector = -1;
    std::string Title;
    std::string Subtitle;
    std::string Banner;
    char TenCharacter = 'T';
    bool Colour = true;
    bool FlagA = true;
    bool FlagB = true;
};

// Told how many of the held deals are analysed; answers false to stop.
using TAnalysisProgressFn = std::function<bool(int done, int total)>;

enum class TAnalysisOutcome {
    Analysed,  // made, or nothing to make
    Cancelled, // the progress function stopped it
    NotOffered // the library makes the analysis only at the first copy that shows it
};

enum class TBindResult {
    Bound,
    FileMissing,      // the file could not be loaded
    EntryPointMissing // loaded, but AddDeal, PrintMulti or ClearDeals is not there
};

class TPrintLibrary {
  public:
    // ZUZIROR3.DLL on Windows; the platform's name for the library
    // "zuziror3" elsewhere (libzuziror3.so, libzuziror3.dylib).
    static QString FileName();
    // Where an installed program keeps the library, relative to the program's
    // folder ("../lib/x86_64-linux-gnu/kestrovanhalme" on Debian).
    static QString InstalledFolder();
    // The copy in `programDir` when it is there (the build tree), else the one
    // in the installed library folder, otherwise the bare file name for the
    // system's library search.
    static QString Locate(const QString& programDir);
    // Locate() beside the program file.
    static QString DefaultLocation();

    explicit TPrintLibrary(QString fileName = DefaultLocation());
    TPrintLibrary(const TPrintLibrary&) = delete;
    TPrintLibrary& operator=(const TPrintLibrary&) = delete;

    // Loads the file and binds the three entry points (and the optional
    // output ones). After EntryPointMissing the library is unloaded again.
    TBindResult Bind();
    bool IsBound() const { return addDeal_ != nullptr; }
    bool IsLoaded() const { return library_.isLoaded(); }
    // The loader's description of the last failure.
    QString ErrorString() const { return error_; }
    const QString& FilePath() const { return fileName_; }

    // The library's results, or -1 when it is not bound.
    int AddDeal(const std::string& dealText) const;
    // Whether the library takes boards with their own number, dealer and
    // vulnerability, and hands left out (AddBoard).
    bool HasBoards() const { return IsBound() && addBoard_ != nullptr; }
    // A board: dealer 0..3 = N, E, S, W; vulnerability 0..3 = none, N-S, E-W,
    // both. A library without AddBoard gets the deal alone (AddDeal).
    int AddBoard(const std::string& dealText, int board, int dealer, int vulnerability) const;
    int PrintMulti(const TPrintMultiArgs& args) const;
    int ClearDeals();

    // Tells the library where to print; false when it has no such entry point.
    bool SetOutput(const TPrinterChoice& choice) const;
    // The PDF file the library's last document went to; empty for a printer
    // or when the library does not tell.
    QString LastOutputFile() const;

    // Whether the library can print double-dummy results (SetDoubleDummy).
    bool HasDoubleDummy() const { return IsBound() && setDoubleDummy_ != nullptr; }
    // Asks for double-dummy results in this run's all-four-hands copies;
    // false when the library cannot print them. Until ClearDeals, each
    // PrintMulti then holds the program's solver lock (HoldSolver): the
    // library analyses with its own copy of the solver binding, and the
    // solver serves one caller at a time.
    bool SetDoubleDummy(bool on);
    // After SetDoubleDummy: the analysis made now, with `progress` told on
    // this thread how far it is (about every 25 ms), holding the solver lock.
    TAnalysisOutcome AnalyseDeals(const TAnalysisProgressFn& progress);

  private:
    void Unbind();

    QString fileName_;
    QLibrary library_;
    QString error_;
    int (*addDeal_)(const char*) = nullptr;
    int (*printMulti_)(int, int, const char*, const char*, const char*, char, bool, bool,
                       bool) = nullptr;
    int (*clearDeals_)() = nullptr;
    int (*setOutput_)(const char*, const char*, int, int, bool) = nullptr;
    int (*lastOutputFile_)(char*, int) = nullptr;
    int (*setDoubleDummy_)(int) = nullptr;
    int (*addBoard_)(const char*, int, int, int) = nullptr;
    int (*analyseDeals_)(int (*)(int, int, void*), void*) = nullptr;
    bool doubleDummy_ = false; // asked for since the last ClearDeals
};

} // namespace kv
