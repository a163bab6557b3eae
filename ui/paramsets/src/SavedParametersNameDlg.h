#pragma once
// "Name for saved parameters": asks for the name of a new parameter set. A
// name that equals one already in the database, with only the ASCII letters
// a-z compared without case, is refused and the dialog stays open.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class TSavedParametersNameDlg : public QDialog {
    Q_OBJECT
  public:
    // existingNames: the names of SetNameList.
    explicit TSavedParametersNameDlg(std::vector<std::string> existingNames,
                                     QWidget* parent = nullptr);

    // The name typed, as it is to be stored (cut to 255 characters).
    QString Name() const;
    QLineEdit* NameEdit() const { return nameEdit_; }

    // Closes with OK unless the name is taken or cannot be stored (a warning
    // names the reason, and the text is selected for retyping). An empty name
    // is allowed.
    void OnOk();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool NameTaken(const QString& name) const;
    void Refuse(const QString& message);

    std::vector<std::string> existingUpper_;
    QLabel* promptLabel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace kv
