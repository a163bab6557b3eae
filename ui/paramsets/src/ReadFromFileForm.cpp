#include "ui/paramsets/ReadFromFileForm.h"

#include "SeamWarnings.h"
#include "SetListBox.h"
#include "storage/paramsfile/ParamsFile.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/MessageSeam.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kv {
namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    SetParamSetsHelp(button);
    return button;
}

} // namespace

TReadFromFileForm::TReadFromFileForm(IParamSetHost& host, TSettingsStore& store, QWidget* parent)
    : QDialog(parent), host_(host), store_(store) {
    setObjectName(QStringLiteral("ReadFromFileForm"));
    setWindowTitle(QStringLiteral("Read From File"));
    BuildControls();
    setMinimumSize(kMinWidth, kMinHeight);
    resize(store_.ReadInt(setting::ReadFileFormWidth), store_.ReadInt(setting::ReadFileFormHeight));
    StoreSize();
}

void TReadFromFileForm::BuildControls() {
    setList_ = new TSetListBox(true, this);
    setList_->setObjectName(QStringLiteral("ListBox1"));
    setList_->setSelectionMode(QAbstractItemView::SingleSelection);
    readButton_ = Button("ReadBtn", QStringLiteral("&Read"), this);
    readButton_->setDefault(true);
    cancelButton_ = Button("CancelBtn", QStringLiteral("&Cancel"), this);
    deleteButton_ = Button("DeleteBtn", QStringLiteral("&Delete"), this);
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {readButton_, cancelButton_, deleteButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(8, 8, 8, 4);
    body->addWidget(setList_, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(statusBar_);

    connect(readButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(deleteButton_, &QPushButton::clicked, this, &TReadFromFileForm::OnDelete);
    connect(setList_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TReadFromFileForm::ListDatabase() {
    setList_->ListFile(kDatabaseFileName, parentWidget());
}

void TReadFromFileForm::ShowDatabaseChanged(const TSetEntry& entry, QWidget* parent) {
    ListDatabase();
    ShowSetWarning(parent, setmsg::SetChanged(QString::fromStdString(entry.Name)));
}

std::optional<TSetEntry> TReadFromFileForm::SelectedEntry() const {
    return setList_->FirstSelectedEntry();
}

void TReadFromFileForm::OnDelete() {
    const int row = setList_->FirstSelection();
    if (row < 0) return;
    const TSetEntry entry = setList_->Entry(row);
    if (!TMessageSeam::Confirm(this, setmsg::kConfirmTitle,
                               setmsg::DeleteSet(QString::fromStdString(entry.Name))))
        return;
    bool deleted = false;
    try {
        deleted = DeleteListedSet(kDatabaseFileName, entry);
    } catch (const std::exception& error) {
        host_.ReportError(error);
        return;
    }
    if (!deleted) return ShowDatabaseChanged(entry, this);
    delete setList_->takeItem(row);
    setList_->clearSelection();
    setList_->setCurrentRow(-1, QItemSelectionModel::Clear);
}

// The first entry is chosen for the user when nothing is.
void TReadFromFileForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (setList_->count() > 0 && setList_->FirstSelection() < 0) setList_->setCurrentRow(0);
    setList_->setFocus();
}

void TReadFromFileForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    StoreSize();
}

void TReadFromFileForm::StoreSize() {
    store_.WriteInt(setting::ReadFileFormWidth, width());
    store_.WriteInt(setting::ReadFileFormHeight, height());
}

} // namespace kv
