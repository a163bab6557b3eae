#include "CopyParamsDlg.h"

#include "CopyRuns.h"
#include "ParamSetHost.h"
#include "ParamSetMessages.h"
#include "SeamWarnings.h"
#include "SetListBox.h"

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
    Label1 = BoldLabel("Label1", QString(), this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SrcLabel = BoldLabel("SrcLabel", QString(), this);
    DstLabel = BoldLabel("DstLabel", QStringLiteral("Parameter sets to be copied:"), this);
    for (QLabel* caption : {SrcLabel, DstLabel}) {
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    SrcList = SetList("SrcList", true, this);
    DstList = SetList("DstList", false, this);
    IncludeBtn = Button("IncludeBtn", QStringLiteral(">"), this);
    IncAllBtn = Button("IncAllBtn", QStringLiteral(">>"), this);
    ExcludeBtn = Button("ExcludeBtn", QStringLiteral("<"), this);
    ExAllBtn = Button("ExAllBtn", QStringLiteral("<<"), this);
    for (QPushButton* arrow : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn})
        arrow->resize(25, 25);
    NextBtn = Button("NextBtn", QString(), this);
    NextBtn->setDefault(true);
    CancelBtn = Button("CancelBtn", QStringLiteral("&Cancel"), this);
    HelpBtn = Button("HelpBtn", QStringLiteral("&Help"), this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

    connect(IncludeBtn, &QPushButton::clicked, this, &TCopyParamsDlg::IncludeBtnClick);
    connect(IncAllBtn, &QPushButton::clicked, this, &TCopyParamsDlg::IncAllBtnClick);
    connect(ExcludeBtn, &QPushButton::clicked, this, &TCopyParamsDlg::ExcludeBtnClick);
    connect(ExAllBtn, &QPushButton::clicked, this, &TCopyParamsDlg::ExAllBtnClick);
    connect(SrcList, &QListWidget::itemDoubleClicked, this, &TCopyParamsDlg::IncludeBtnClick);
    connect(DstList, &QListWidget::itemDoubleClicked, this, &TCopyParamsDlg::ExcludeBtnClick);
    connect(NextBtn, &QPushButton::clicked, this, &TCopyParamsDlg::NextBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this,
            [this] { host_.ShowHelp(kParamSetsHelpContext); });
}

// The captions and the source's sets; nothing chosen yet.
void TCopyParamsDlg::ShowSource() {
    if (ToOtherFile) {
        Label1->setText(setmsg::kToOtherFileLabel);
        SrcLabel->setText(setmsg::kDatabaseSetsLabel);
        NextBtn->setText(QStringLiteral("&Next"));
        SrcList->SetEntries(setNameList_.Entries());
    } else {
        const QString file = FileNameOf(sourcePath_);
        Label1->setText(setmsg::ToDatabaseLabel(file));
        SrcLabel->setText(setmsg::FileSetsLabel(file));
        // A tooltip takes markup when it looks like markup: the file name is
        // data, so it is escaped inside a plain paragraph.
        SrcLabel->setToolTip(QStringLiteral("<p style='white-space:pre'>") +
                             setmsg::FileSetsLabel(file).toHtmlEscaped() + QStringLiteral("</p>"));
        NextBtn->setText(QStringLiteral("Co&py"));
        SrcList->ListFile(FilePath(sourcePath_), parentWidget());
    }
    DstList->clear();
    SetButtons();
}

void TCopyParamsDlg::SetButtons() {
    const bool source = SrcList->count() > 0;
    const bool chosen = DstList->count() > 0;
    IncludeBtn->setEnabled(source);
    IncAllBtn->setEnabled(source);
    ExcludeBtn->setEnabled(chosen);
    ExAllBtn->setEnabled(chosen);
    NextBtn->setEnabled(chosen);
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
void TCopyParamsDlg::IncludeBtnClick() {
    for (int row = SrcList->count() - 1; row >= 0; --row) {
        if (!SrcList->item(row)->isSelected()) continue;
        const TSetEntry entry = SrcList->Entry(row);
        if (!DstList->HoldsNameIgnoringCase(QString::fromStdString(entry.Name)))
            DstList->AddEntry(entry);
    }
    SetButtons();
}

void TCopyParamsDlg::IncAllBtnClick() {
    DstList->SetEntries(SrcList->Entries());
    SetButtons();
}

void TCopyParamsDlg::ExcludeBtnClick() {
    const int first = GetFirstSelection(DstList);
    for (int row = DstList->count() - 1; row >= 0; --row)
        if (DstList->item(row)->isSelected()) delete DstList->takeItem(row);
    SetItem(DstList, first);
}

void TCopyParamsDlg::ExAllBtnClick() {
    DstList->clear();
    SetItem(DstList, 0);
}

// Into the database one copy closes the dialog, even a cancelled or failed one;
// a copy that found its source changed copied nothing, and the user may choose again.
void TCopyParamsDlg::NextBtnClick() {
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
    if (ToOtherFile) return CopyToOtherFile(DstList->Entries(), this);
    return CopyToDatabase(sourcePath_, DstList->Entries(), setNameList_, this);
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
