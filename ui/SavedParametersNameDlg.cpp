#include "SavedParametersNameDlg.h"

#include "Cp1252.h"
#include "ParamSetHost.h"
#include "ParamSetMessages.h"
#include "SeamWarnings.h"
#include "SetNames.h"
#include "WindowPlacement.h"

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
    Label1 = new QLabel(QStringLiteral("Enter name for new parameter set:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(OKBtn),
                       static_cast<QWidget*>(CancelBtn)})
        SetParamSetsHelp(w);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitTitle(*this);

    connect(OKBtn, &QPushButton::clicked, this, &TSavedParametersNameDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TSavedParametersNameDlg::Name() const {
    return StoredName(Edit1->text());
}

bool TSavedParametersNameDlg::NameTaken(const QString& name) const {
    const std::string upper = AsciiUpper(name.toStdString());
    return std::find(existingUpper_.begin(), existingUpper_.end(), upper) != existingUpper_.end();
}

void TSavedParametersNameDlg::Refuse(const QString& message) {
    ShowSetWarning(this, message);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TSavedParametersNameDlg::OKBtnClick() {
    if (NameTaken(Name())) return Refuse(setmsg::kNameExists);
    if (const auto problem = NameEncodingProblem(Name().toStdString()))
        return Refuse(QString::fromStdString(*problem));
    accept();
}

void TSavedParametersNameDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnParent(*this);
    if (event->spontaneous()) return;
    Edit1->clear();
    Edit1->setFocus();
}

} // namespace kv
