#pragma once
// The program's help: one help window, opened at the contents, at the index
// or at a context number. While it lives, releasing F1 in any window opens
// the topic of the focused control. The program has one help system, made
// at start-up; dialogs reach it through the static calls, which do nothing
// when there is none.

#include <QObject>

#include <memory>

namespace kv {

class THelpWindow;

class THelpSystem : public QObject {
    Q_OBJECT
  public:
    THelpSystem();
    ~THelpSystem() override;

    static void ShowContents();
    static void ShowIndex();
    static void ShowContext(int context);
    static THelpSystem* Instance();

    THelpWindow* Window() const { return window_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    THelpWindow& Raise();

    std::unique_ptr<THelpWindow> window_;
};

} // namespace kv
