#include "SavedParametersNameDlg.h"

#include "SeamWarnings.h"
#include "SetNames.h"
#include "storage/paramsfile/Cp1252.h"
#include "ui/common/WindowPlacement.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace kv {

TSavedParametersNameDlg::TSavedParametersNameDlg(std::vector<std::string> existingNames,
                                                 QWidget* parent)
    : QDialog(parent) {
    for (const std::string& name : existingNames)
        existingUpper_.push_back(AsciiUpper(name));
    setObjectName(QStringLiteral("SavedParametersNameDlg"));
    setWindowTitle(QStringLiteral("Name for saved parameters"));
    promptLabel_ = new QLabel(QStringLiteral("Enter name for new parameter set:"), this);
    promptLabel_->setObjectName(QStringLiteral("Label1"));
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("Edit1"));
    nameEdit_->setMinimumWidth(260);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKBtn"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
    for (QWidget* w : {static_cast<QWidget*>(nameEdit_), static_cast<QWidget*>(okButton_),
                       static_cast<QWidget*>(cancelButton_)})
        SetParamSetsHelp(w);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addWidget(nameEdit_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitTitle(*this);

    connect(okButton_, &QPushButton::clicked, this, &TSavedParametersNameDlg::OnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QString TSavedParametersNameDlg::Name() const {
    return StoredName(nameEdit_->text());
}

bool TSavedParametersNameDlg::NameTaken(const QString& name) const {
    const std::string upper = AsciiUpper(name.toStdString());
    return std::find(existingUpper_.begin(), existingUpper_.end(), upper) != existingUpper_.end();
}

void TSavedParametersNameDlg::Refuse(const QString& message) {
    ShowSetWarning(this, message);
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void TSavedParametersNameDlg::OnOk() {
    if (NameTaken(Name())) return Refuse(setmsg::kNameExists);
    if (const auto problem = NameEncodingProblem(Name().toStdString()))
        return Refuse(QString::fromStdString(*problem));
    accept();
}

void TSavedParametersNameDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnParent(*this);
    if (event->spontaneous()) return;
    nameEdit_->clear();
    nameEdit_->setFocus();
}

} // namespace kv
