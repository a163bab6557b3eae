#include "DupeNameDlg.h"

#include "SeamWarnings.h"
#include "SetNames.h"
#include "storage/paramsfile/Cp1252.h"
#include "ui/common/MessageSeam.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace kv {
namespace {

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TDupeNameDlg::TDupeNameDlg(const QString& oldName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DupeNameDlg"));
    setWindowTitle(QStringLiteral("Duplicate Name for Parameters"));
    messageLabel_ =
        Label("Label1",
              QStringLiteral("You are trying to copy a parameter set to a file that already has a "
                             "parameter set of that name.  You must give the set to be copied a "
                             "new name."),
              this);
    messageLabel_->setWordWrap(true);
    messageLabel_->setFixedWidth(340);
    oldNameCaption_ = Label("Label2", QStringLiteral("Old name:"), this);
    oldNameLabel_ = Label("Label3", oldName, this);
    oldNameLabel_->setTextFormat(Qt::PlainText);
    newNameCaption_ = Label("Label4", QStringLiteral("New name:"), this);
    nameEdit_ = new QLineEdit(oldName, this);
    nameEdit_->setObjectName(QStringLiteral("Edit1"));
    newNameCaption_->setBuddy(nameEdit_);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKBtn"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
    SetParamSetsHelp(okButton_);
    SetParamSetsHelp(cancelButton_);

    auto* names = new QGridLayout;
    names->addWidget(oldNameCaption_, 0, 0);
    names->addWidget(oldNameLabel_, 0, 1);
    names->addWidget(newNameCaption_, 1, 0);
    names->addWidget(nameEdit_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel_);
    layout->addSpacing(6);
    layout->addLayout(names);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &TDupeNameDlg::OnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &TDupeNameDlg::reject);
}

QString TDupeNameDlg::NewName() const {
    return StoredName(nameEdit_->text());
}

void TDupeNameDlg::Refuse(const QString& message) {
    ShowSetWarning(this, message);
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void TDupeNameDlg::OnOk() {
    const QString name = nameEdit_->text();
    if (name.isEmpty()) return Refuse(setmsg::kSupplyName);
    if (name == oldName_) return Refuse(setmsg::kSupplyNewName);
    if (const auto problem = NameEncodingProblem(name.toStdString()))
        return Refuse(QString::fromStdString(*problem));
    accept();
}

void TDupeNameDlg::reject() {
    if (TMessageSeam::Confirm(this, setmsg::kConfirmTitle, setmsg::kCancelCopying))
        QDialog::reject();
}

// The old name is what the field holds when the dialog appears.
void TDupeNameDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    oldName_ = nameEdit_->text();
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

} // namespace kv
