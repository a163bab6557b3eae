#pragma once
// "Duplicate Name for Parameters": the target of a copy already holds a set of
// this name, so the set being copied needs a new one. OK requires a name that
// is not empty and not exactly the old one; Cancel (or Esc) asks whether to
// cancel the whole copy and closes only on Yes.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class TDupeNameDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TDupeNameDlg(const QString& oldName, QWidget* parent = nullptr);

    QString NewName() const;
    QLineEdit* NameEdit() const { return nameEdit_; }

    void OnOk();
    // Cancel, Esc and the close box all come here.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refuse(const QString& message);

    QString oldName_;
    QLabel* messageLabel_ = nullptr;
    QLabel* oldNameCaption_ = nullptr;
    QLabel* oldNameLabel_ = nullptr;
    QLabel* newNameCaption_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace kv
