#pragma once
// The one road by which the program hands a file or a folder to the
// desktop's own program for it (a PDF viewer, a file manager). Tests switch
// it to recording: nothing is launched, every request is kept.

#include <QString>
#include <QStringList>

namespace kv {

class TDesktopSeam {
  public:
    // Opens the local file or folder `path`; false when the desktop could not.
    static bool Open(const QString& path);

    // Test hooks.
    static void StartRecording();
    static void StopRecording();
    static const QStringList& Opened();
};

// RAII for tests: records while it lives.
class TRecordedDesktop {
  public:
    TRecordedDesktop() { TDesktopSeam::StartRecording(); }
    ~TRecordedDesktop() { TDesktopSeam::StopRecording(); }
    TRecordedDesktop(const TRecordedDesktop&) = delete;
    TRecordedDesktop& operator=(const TRecordedDesktop&) = delete;
    const QStringList& Opened() const { return TDesktopSeam::Opened(); }
};

} // namespace kv
