#include "ReadFromFileForm.h"

#include "MessageSeam.h"
#include "ParamSetHost.h"
#include "ParamSetMessages.h"
#include "ParamsFile.h"
#include "SeamWarnings.h"
#include "SetListBox.h"
#include "SettingsStore.h"

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
    ListBox1 = new TSetListBox(true, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ReadBtn = Button("ReadBtn", QStringLiteral("&Read"), this);
    ReadBtn->setDefault(true);
    CancelBtn = Button("CancelBtn", QStringLiteral("&Cancel"), this);
    DeleteBtn = Button("DeleteBtn", QStringLiteral("&Delete"), this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ReadBtn, CancelBtn, DeleteBtn})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(8, 8, 8, 4);
    body->addWidget(ListBox1, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(StatusBar1);

    connect(ReadBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DeleteBtn, &QPushButton::clicked, this, &TReadFromFileForm::DeleteBtnClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TReadFromFileForm::ListDatabase() {
    ListBox1->ListFile(kDatabaseFileName, parentWidget());
}

void TReadFromFileForm::ShowDatabaseChanged(const TSetEntry& entry, QWidget* parent) {
    ListDatabase();
    ShowSetWarning(parent, setmsg::SetChanged(QString::fromStdString(entry.Name)));
}

std::optional<TSetEntry> TReadFromFileForm::SelectedEntry() const {
    return ListBox1->FirstSelectedEntry();
}

void TReadFromFileForm::DeleteBtnClick() {
    const int row = ListBox1->FirstSelection();
    if (row < 0) return;
    const TSetEntry entry = ListBox1->Entry(row);
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
    delete ListBox1->takeItem(row);
    ListBox1->clearSelection();
    ListBox1->setCurrentRow(-1, QItemSelectionModel::Clear);
}

// The first entry is chosen for the user when nothing is.
void TReadFromFileForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (ListBox1->count() > 0 && ListBox1->FirstSelection() < 0) ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
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
