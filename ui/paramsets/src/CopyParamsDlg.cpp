#include "CopyParamsDlg.h"

#include "CopyRuns.h"
#include "SeamWarnings.h"
#include "SetListBox.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace kv {
namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    SetParamSetsHelp(button);
    return button;
}

QLabel* BoldLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

TSetListBox* SetList(const char* name, bool sorted, QWidget* parent) {
    auto* list = new TSetListBox(sorted, parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SetParamSetsHelp(list);
    return list;
}

} // namespace

TCopyParamsDlg::TCopyParamsDlg(bool toOtherFile, const QString& sourcePath,
                               TSetListBox& setNameList, IParamSetHost& host, TSettingsStore& store,
                               QWidget* parent)
    : QDialog(parent), ToOtherFile(toOtherFile), sourcePath_(sourcePath), setNameList_(setNameList),
      host_(host), store_(store) {
    setObjectName(QStringLiteral("CopyParamsDlg"));
    setWindowTitle(QStringLiteral("Copy parameters"));
    BuildControls();
    ShowSource();
    ApplyStoredSize();
}

void TCopyParamsDlg::BuildControls() {
    promptLabel_ = BoldLabel("Label1", QString(), this);
    promptLabel_->setWordWrap(true);
    promptLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    srcLabel_ = BoldLabel("SrcLabel", QString(), this);
    dstLabel_ = BoldLabel("DstLabel", QStringLiteral("Parameter sets to be copied:"), this);
    for (QLabel* caption : {srcLabel_, dstLabel_}) {
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    srcList_ = SetList("SrcList", true, this);
    dstList_ = SetList("DstList", false, this);
    includeButton_ = Button("IncludeBtn", QStringLiteral(">"), this);
    includeAllButton_ = Button("IncAllBtn", QStringLiteral(">>"), this);
    excludeButton_ = Button("ExcludeBtn", QStringLiteral("<"), this);
    excludeAllButton_ = Button("ExAllBtn", QStringLiteral("<<"), this);
    for (QPushButton* arrow :
         {includeButton_, includeAllButton_, excludeButton_, excludeAllButton_})
        arrow->resize(25, 25);
    nextButton_ = Button("NextBtn", QString(), this);
    nextButton_->setDefault(true);
    cancelButton_ = Button("CancelBtn", QStringLiteral("&Cancel"), this);
    helpButton_ = Button("HelpBtn", QStringLiteral("&Help"), this);
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));

    connect(includeButton_, &QPushButton::clicked, this, &TCopyParamsDlg::OnInclude);
    connect(includeAllButton_, &QPushButton::clicked, this, &TCopyParamsDlg::OnIncludeAll);
    connect(excludeButton_, &QPushButton::clicked, this, &TCopyParamsDlg::OnExclude);
    connect(excludeAllButton_, &QPushButton::clicked, this, &TCopyParamsDlg::OnExcludeAll);
    connect(srcList_, &QListWidget::itemDoubleClicked, this, &TCopyParamsDlg::OnInclude);
    connect(dstList_, &QListWidget::itemDoubleClicked, this, &TCopyParamsDlg::OnExclude);
    connect(nextButton_, &QPushButton::clicked, this, &TCopyParamsDlg::OnNext);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton_, &QPushButton::clicked, this,
            [this] { host_.ShowHelp(kParamSetsHelpContext); });
}

// The captions and the source's sets; nothing chosen yet.
void TCopyParamsDlg::ShowSource() {
    if (ToOtherFile) {
        promptLabel_->setText(setmsg::kToOtherFileLabel);
        srcLabel_->setText(setmsg::kDatabaseSetsLabel);
        nextButton_->setText(QStringLiteral("&Next"));
        srcList_->SetEntries(setNameList_.Entries());
    } else {
        const QString file = FileNameOf(sourcePath_);
        promptLabel_->setText(setmsg::ToDatabaseLabel(file));
        srcLabel_->setText(setmsg::FileSetsLabel(file));
        // A tooltip takes markup when it looks like markup: the file name is
        // data, so it is escaped inside a plain paragraph.
        srcLabel_->setToolTip(QStringLiteral("<p style='white-space:pre'>") +
                              setmsg::FileSetsLabel(file).toHtmlEscaped() + QStringLiteral("</p>"));
        nextButton_->setText(QStringLiteral("Co&py"));
        srcList_->ListFile(FilePath(sourcePath_), parentWidget());
    }
    dstList_->clear();
    SetButtons();
}

void TCopyParamsDlg::SetButtons() {
    const bool source = srcList_->count() > 0;
    const bool chosen = dstList_->count() > 0;
    includeButton_->setEnabled(source);
    includeAllButton_->setEnabled(source);
    excludeButton_->setEnabled(chosen);
    excludeAllButton_->setEnabled(chosen);
    nextButton_->setEnabled(chosen);
}

int TCopyParamsDlg::GetFirstSelection(const TSetListBox* list) {
    return list->FirstSelection();
}

void TCopyParamsDlg::SetItem(TSetListBox* list, int index) {
    list->setFocus();
    if (list->count() > 0) {
        const int row = std::clamp(index, 0, list->count() - 1);
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    SetButtons();
}

// From the last source entry to the first, so several chosen at once arrive in
// reverse order; a name already chosen (ignoring case) is not added again.
void TCopyParamsDlg::OnInclude() {
    for (int row = srcList_->count() - 1; row >= 0; --row) {
        if (!srcList_->item(row)->isSelected()) continue;
        const TSetEntry entry = srcList_->Entry(row);
        if (!dstList_->HoldsNameIgnoringCase(QString::fromStdString(entry.Name)))
            dstList_->AddEntry(entry);
    }
    SetButtons();
}

void TCopyParamsDlg::OnIncludeAll() {
    dstList_->SetEntries(srcList_->Entries());
    SetButtons();
}

void TCopyParamsDlg::OnExclude() {
    const int first = GetFirstSelection(dstList_);
    for (int row = dstList_->count() - 1; row >= 0; --row)
        if (dstList_->item(row)->isSelected()) delete dstList_->takeItem(row);
    SetItem(dstList_, first);
}

void TCopyParamsDlg::OnExcludeAll() {
    dstList_->clear();
    SetItem(dstList_, 0);
}

// Into the database one copy closes the dialog, even a cancelled or failed one;
// a copy that found its source changed copied nothing, and the user may choose again.
void TCopyParamsDlg::OnNext() {
    TCopyOutcome outcome;
    try {
        outcome = RunCopy();
    } catch (const std::exception& error) {
        host_.ReportError(error);
    }
    if (outcome.Gone) return ShowSourceChanged(*outcome.Gone);
    if (!ToOtherFile) accept();
}

TCopyOutcome TCopyParamsDlg::RunCopy() {
    if (ToOtherFile) return CopyToOtherFile(dstList_->Entries(), this);
    return CopyToDatabase(sourcePath_, dstList_->Entries(), setNameList_, this);
}

// The source is listed again (the database into SetNameList too), the choice
// emptied, and the user told why.
void TCopyParamsDlg::ShowSourceChanged(const TSetEntry& gone) {
    if (ToOtherFile) setNameList_.ListFile(kDatabaseFileName, parentWidget());
    ShowSource();
    const QString source = ToOtherFile ? setmsg::kYourDatabase : FileNameOf(sourcePath_);
    ShowSetWarning(this, setmsg::CopySourceChanged(QString::fromStdString(gone.Name), source));
}

} // namespace kv
