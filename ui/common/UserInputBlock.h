#pragma once
// While it lives, the windows that were showing when it was made take no user
// input: mouse buttons, keys, shortcuts, the wheel and context menus are
// dropped; the windows still repaint. Windows opened meanwhile, such as the
// generator's message boxes, work as usual. Used while the deal generator runs
// with the event loop turning, so that no action of those windows can start a
// second generation or change the hand types under it.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kv {

class TUserInputBlock : public QObject {
  public:
    TUserInputBlock();
    ~TUserInputBlock() override;
    TUserInputBlock(const TUserInputBlock&) = delete;
    TUserInputBlock& operator=(const TUserInputBlock&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool InBlockedWindow(QObject* receiver) const;
    bool IsBlockedWindow(const QWidget* widget) const;

    QList<QPointer<QWidget>> windows_;
};

} // namespace kv
