#pragma once
// A Min or Max button of an editor row: its caption is the effective bound,
// its tag the requested one; the caption is bold exactly when the two agree.
// The two buttons of a row form an exclusive pressed pair; Tab reaches each.

#include <QToolButton>

namespace kv {

class TBoundButton : public QToolButton {
    Q_OBJECT
  public:
    explicit TBoundButton(QWidget* parent = nullptr);

    int Tag() const { return tag_; }
    bool Bold() const { return font().bold(); }
    // Shows one button's state: caption, tag and face.
    void Show(const QString& caption, int tag, bool bold);

    QSize sizeHint() const override;

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    int tag_ = 0;
};

} // namespace kv
