#pragma once
// A note in a window's status bar ("Hand records saved as ...") that stays
// until the user's next action in that window: a click, a key or a shortcut
// there clears it. Hints shown while the mouse passes over the menus and the
// toolbar cover it for a moment without clearing it.

#include <QObject>

class QLabel;
class QStatusBar;

namespace kv {

class TStatusNote : public QObject {
    Q_OBJECT
  public:
    // Adds the note's label to the bar, which it keeps without a size grip.
    explicit TStatusNote(QStatusBar& bar);
    ~TStatusNote() override;
    TStatusNote(const TStatusNote&) = delete;
    TStatusNote& operator=(const TStatusNote&) = delete;

    void Show(const QString& text);
    void Clear();
    QLabel* Label() const { return label_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Watch(bool on);

    QLabel* label_;
    bool watching_ = false;
};

} // namespace kv
