#pragma once
// A count of the print dialog: an edit box with an up-down spinner, 0 to 100
// in steps of 1, no wrap-around. Only the digits 0 to 9 (and backspace) can
// be typed; a keystroke that would make the count exceed 100 is refused.
// The spinner is named "UpDown<n>" and its edit box "Edit<n>".

#include <QSpinBox>

namespace kv {

class TCountBox : public QSpinBox {
    Q_OBJECT
  public:
    TCountBox(int number, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
};

} // namespace kv
