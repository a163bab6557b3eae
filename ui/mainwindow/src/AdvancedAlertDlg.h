#pragma once
// The Confusion Alert, shown before a second hand type is added: "I'm ready!"
// accepts, "Wait till later" cancels, "Tell me more" opens help and stays.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kv {

class TAdvancedAlertDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TAdvancedAlertDlg(QWidget* parent = nullptr);

    // "Don't show me this warning again" is ticked.
    bool DontShowAgain() const;

    QPushButton* ReadyButton() const { return ready_; }
    QPushButton* WaitButton() const { return wait_; }
    QPushButton* MoreButton() const { return more_; }
    QCheckBox* DontShowBox() const { return dontShow_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* ready_;
    QPushButton* wait_;
    QPushButton* more_;
    QCheckBox* dontShow_;
};

} // namespace kv
