#pragma once
// The frequency panel under the tabs: "Relative frequency for this type:",
// a box of at most three digits with a 1..999 spinner, and "of " followed by
// the total frequency of all types.

#include <QSpinBox>

class QLabel;

namespace kv {

// The box with its spinner; its text field is open to the panel and to tests.
// A step (an arrow, the Up and Down keys, the wheel) rewrites the field with
// its signals blocked, even when the value stays, so each step is reported.
class TFrequencyEdit : public QSpinBox {
    Q_OBJECT
  public:
    using QAbstractSpinBox::lineEdit;
    using QSpinBox::QSpinBox;
    void stepBy(int steps) override;

  signals:
    void Stepped();
};

class TFrequencyPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TFrequencyPanel(QWidget* parent = nullptr);

    // The number in the box, 0 when it is empty.
    int TextValue() const;
    // The spinner's value: the last number in 1..999 the box held.
    int SpinnerValue() const;
    // Puts a number in the box (LoadType, Clear); a change of the text is reported.
    void SetValue(int value);
    void ShowTotal(qint64 total);

    TFrequencyEdit* Edit() const { return edit_; }
    QLabel* TotalLabel() const { return total_; }

  signals:
    // Every change of the box's text: typed, set, stepped, or put back when
    // the box is left empty or holding a number outside 1..999.
    void TextChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TFrequencyEdit* edit_;
    QLabel* total_;
};

} // namespace kv
