#pragma once
// The one road by which the program shows message boxes. Tests switch it to
// recording: nothing is shown, every box's kind, title and text is kept, and
// the answer comes from a script (OK, or Yes, unless told otherwise).

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

class QWidget;

namespace kv {

enum class TMessageKind { Warning, Error, Information, Confirmation };

struct TShownMessage {
    TMessageKind Kind;
    QString Title;
    QString Text;
};

class TMessageSeam {
  public:
    // A box with a single OK button.
    static void Show(QWidget* parent, TMessageKind kind, const QString& title, const QString& text);
    // A Yes/No question; true for Yes.
    static bool Confirm(QWidget* parent, const QString& title, const QString& text);
    // A box with a button for each caption (the first is the default, the
    // last also answers Escape); the number of the one pressed, from 0.
    static int Choose(QWidget* parent, TMessageKind kind, const QString& title, const QString& text,
                      const QStringList& buttons);
    // The system beep.
    static void Beep();

    // The box that Show and Confirm run, built in this one place: its text is
    // plain text, never markup (set names and file names come from other
    // users' files), it is wide enough for its whole title, and it opens over
    // its parent's window, or in the middle of the screen while that window is
    // not shown yet.
    static std::unique_ptr<QMessageBox> Build(QWidget* parent, TMessageKind kind,
                                              const QString& title, const QString& text,
                                              QMessageBox::StandardButtons buttons);

    // Test hooks.
    static void StartRecording();
    static void StopRecording();
    static bool Recording();
    static const std::vector<TShownMessage>& Shown();
    static void ClearShown();
    static void SetNextAnswers(std::deque<bool> yesAnswers);
    // What Choose answers while recording; the last button when none is left.
    static void SetNextChoices(std::deque<int> choices);
    static int Beeps();
};

// RAII for tests: records while it lives.
class TRecordedMessages {
  public:
    TRecordedMessages() { TMessageSeam::StartRecording(); }
    ~TRecordedMessages() { TMessageSeam::StopRecording(); }
    TRecordedMessages(const TRecordedMessages&) = delete;
    TRecordedMessages& operator=(const TRecordedMessages&) = delete;
    const std::vector<TShownMessage>& Shown() const { return TMessageSeam::Shown(); }
};

} // namespace kv
