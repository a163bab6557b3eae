#include "DupeNameDlg.h"

#include "Cp1252.h"
#include "MessageSeam.h"
#include "ParamSetHost.h"
#include "ParamSetMessages.h"
#include "SeamWarnings.h"
#include "SetNames.h"

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
    Label1 =
        Label("Label1",
              QStringLiteral("You are trying to copy a parameter set to a file that already has a "
                             "parameter set of that name.  You must give the set to be copied a "
                             "new name."),
              this);
    Label1->setWordWrap(true);
    Label1->setFixedWidth(340);
    Label2 = Label("Label2", QStringLiteral("Old name:"), this);
    Label3 = Label("Label3", oldName, this);
    Label3->setTextFormat(Qt::PlainText);
    Label4 = Label("Label4", QStringLiteral("New name:"), this);
    Edit1 = new QLineEdit(oldName, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label4->setBuddy(Edit1);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    SetParamSetsHelp(OKBtn);
    SetParamSetsHelp(CancelBtn);

    auto* names = new QGridLayout;
    names->addWidget(Label2, 0, 0);
    names->addWidget(Label3, 0, 1);
    names->addWidget(Label4, 1, 0);
    names->addWidget(Edit1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addLayout(names);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TDupeNameDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDupeNameDlg::reject);
}

QString TDupeNameDlg::NewName() const {
    return StoredName(Edit1->text());
}

void TDupeNameDlg::Refuse(const QString& message) {
    ShowSetWarning(this, message);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TDupeNameDlg::OKBtnClick() {
    const QString name = Edit1->text();
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
    oldName_ = Edit1->text();
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace kv
