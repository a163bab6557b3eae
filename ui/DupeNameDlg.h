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
    QLineEdit* NameEdit() const { return Edit1; }

    void OKBtnClick();
    // Cancel, Esc and the close box all come here.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refuse(const QString& message);

    QString oldName_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

} // namespace kv
