#include "AnalysisResultsForm.h"

#include "AnalyseDialog.h"
#include "ChartImage.h"
#include "ComparePanel.h"
#include "ExportFile.h"
#include "ResultCharts.h"
#include "ResultTables.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"
#include "ui/common/HelpContext.h"
#include "ui/common/SavedFileOffer.h"
#include "ui/common/WindowPlacement.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

using namespace analysis;

namespace {

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QChartView* ChartView(QChart* chart, const QString& name, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 200); // small enough for the window to fit a small screen
    return view;
}

// "Declarer N", and for NS what it stands for.
QString DeclarerChoice(TDeclarer declarer) {
    const QString name = QString::fromStdString(DeclarerName(declarer));
    if (declarer == TDeclarer::Better)
        return QStringLiteral("Declarer %1 (the better of North and South)").arg(name);
    return QStringLiteral("Declarer %1").arg(name);
}

// What "NS" means, under a table or a chart that shows it.
QLabel* BetterNote(QWidget* parent) {
    auto* note = new QLabel(QString::fromLatin1(kBetterDeclarerNote), parent);
    note->setObjectName(QStringLiteral("BetterNoteLabel"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    return note;
}

} // namespace

TAnalysisResultsForm::TAnalysisResultsForm(TSummary summary, std::vector<TDealResult> deals,
                                           QWidget* parent)
    : QDialog(parent), summary_(std::move(summary)), deals_(std::move(deals)),
      tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("AnalysisResultsForm"));
    setWindowTitle(QStringLiteral("Analysis Results"));
    SetHelpContext(this, kAnalysisHelpContext);
    auto* heading = new QLabel(QString::fromStdString(TitleText(summary_)), this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    heading->setTextFormat(Qt::PlainText); // it may name a file
    auto* partial = new QLabel(QString::fromStdString(PartialLabel(summary_)), this);
    partial->setObjectName(QStringLiteral("PartialLabel"));
    partial->setStyleSheet(QStringLiteral("font-weight: bold; color: #a00000;"));
    partial->setVisible(summary_.Partial());

    tabs_->setObjectName(QStringLiteral("ResultTabs"));
    if (Tricks()) tabs_->addTab(MakeTablePage(), QStringLiteral("&Make table"));
    tabs_->addTab(ChartsPage(), QStringLiteral("C&harts"));
    if (Tricks()) {
        compare_ = new TComparePanel(summary_.Key, deals_, tabs_);
        tabs_->addTab(compare_, QStringLiteral("Compare &two contracts"));
    }
    if (!summary_.Key.Types.empty())
        tabs_->addTab(TypeMixWidget(summary_, tabs_), QStringLiteral("Hand t&ypes"));
    tabs_->addTab(PointsPage(), QStringLiteral("&Points and fits"));

    QPushButton* exportCsv =
        Button(QStringLiteral("&Export CSV..."), QStringLiteral("ExportCsvBtn"), this);
    QPushButton* copy =
        Button(QStringLiteral("&Copy tables"), QStringLiteral("CopyTablesBtn"), this);
    QPushButton* close = Button(QStringLiteral("Close"), QStringLiteral("CloseBtn"), this);
    connect(exportCsv, &QPushButton::clicked, this, &TAnalysisResultsForm::ExportCsv);
    connect(copy, &QPushButton::clicked, this, &TAnalysisResultsForm::CopyTables);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportCsv);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(partial);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(
        QSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 36)));
}

void TAnalysisResultsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) return;
    FitOnScreen(*this);
    CentreOnParent(*this);
    placed_ = true;
}

QWidget* TAnalysisResultsForm::MakeTablePage() {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Mean tricks, and the share of deals (%) on which each level from 1 to 7 makes:"),
        page));
    layout->addWidget(MakeTableWidget(summary_, page), 1);
    if (HasBetterDeclarer(summary_.Key)) layout->addWidget(BetterNote(page));
    return page;
}

QWidget* TAnalysisResultsForm::ChartsPage() {
    auto* charts = new QTabWidget(tabs_);
    charts->setObjectName(QStringLiteral("ChartTabs"));
    if (Tricks()) {
        chartDeclarer_ = new QComboBox(charts);
        chartDeclarer_->setObjectName(QStringLiteral("ChartDeclarerCombo"));
        for (TDeclarer d : summary_.Key.Declarers)
            chartDeclarer_->addItem(DeclarerChoice(d), static_cast<int>(d));
        tricksView_ = ChartView(NewChart(QStringLiteral("Tricks")),
                                QStringLiteral("TricksChartView"), charts);
        connect(chartDeclarer_, &QComboBox::currentIndexChanged, this,
                &TAnalysisResultsForm::ShowTricksChart);
        charts->addTab(ChartPage(tricksView_, QStringLiteral("Tricks"), chartDeclarer_),
                       QStringLiteral("Tricks"));
    }
    charts->addTab(ChartPage(ChartView(NewChart(QStringLiteral("Points")),
                                       QStringLiteral("PointsChartView"), charts),
                             QStringLiteral("Points")),
                   QStringLiteral("Points"));
    charts->addTab(ChartPage(ChartView(NewChart(QStringLiteral("Fit")),
                                       QStringLiteral("FitChartView"), charts),
                             QStringLiteral("Fit")),
                   QStringLiteral("Longest fit"));
    return charts;
}

// A chart with its "Save as PNG..." button, and an optional control above it.
QWidget* TAnalysisResultsForm::ChartPage(QChartView* view, const QString& name, QWidget* above) {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    if (above != nullptr) layout->addWidget(above, 0, Qt::AlignLeft);
    layout->addWidget(view, 1);
    QPushButton* save =
        Button(QStringLiteral("Save as P&NG..."), QStringLiteral("Save%1PngBtn").arg(name), page);
    connect(save, &QPushButton::clicked, this, [this, name] { SaveChart(name); });
    layout->addWidget(save, 0, Qt::AlignRight);
    return page;
}

QWidget* TAnalysisResultsForm::PointsPage() {
    auto* text = new QPlainTextEdit(QString::fromStdString(PointsText(summary_)), tabs_);
    text->setObjectName(QStringLiteral("PointsText"));
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return text;
}

// The declarer chosen above the tricks chart; the first one analysed until
// the chooser exists.
TDeclarer TAnalysisResultsForm::ChartDeclarer() const {
    if (chartDeclarer_ == nullptr || chartDeclarer_->currentIndex() < 0)
        return summary_.Key.Declarers.front();
    return static_cast<TDeclarer>(chartDeclarer_->currentData().toInt());
}

QChart* TAnalysisResultsForm::NewChart(const QString& name) const {
    if (name == QLatin1String("Tricks")) return TricksChart(summary_, ChartDeclarer());
    if (name == QLatin1String("Points")) return PointsChart(summary_);
    return FitChart(summary_);
}

void TAnalysisResultsForm::ShowTricksChart() {
    QChart* old = tricksView_->chart();
    tricksView_->setChart(NewChart(QStringLiteral("Tricks")));
    delete old; // the view does not own a chart it has given up
}

QString TAnalysisResultsForm::TablesText() const {
    QString text = QString::fromStdString(SummaryText(summary_));
    if (compare_ != nullptr) text += QStringLiteral("\n") + compare_->Text();
    return text;
}

void TAnalysisResultsForm::CopyTables() {
    QApplication::clipboard()->setText(TablesText());
}

bool TAnalysisResultsForm::ExportCsv() {
    const auto path = TExportFileSeam::AskSaveName(
        this, QStringLiteral("Export Per-Deal Results"),
        QStringLiteral("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"));
    if (!path) return false;
    const bool written = WriteExportFile(this, *path, [this](QIODevice& file) {
        const std::string header = CsvHeader(summary_.Key);
        if (file.write(header.data(), static_cast<qint64>(header.size())) < 0) return false;
        for (const TDealResult& deal : deals_) {
            const std::string line = CsvLine(deal, summary_.Key);
            if (file.write(line.data(), static_cast<qint64>(line.size())) < 0) return false;
        }
        return true;
    });
    if (written)
        OfferToOpenFile(this, QStringLiteral("Export Per-Deal Results"),
                        QStringLiteral("The per-deal results were saved as"), *path,
                        HasBetterDeclarer(summary_.Key) ? QString::fromLatin1(kBetterDeclarerNote)
                                                        : QString());
    return written;
}

QImage TAnalysisResultsForm::ChartPicture(const QString& name) const {
    const bool byBetter = name == QLatin1String("Tricks") && ChartDeclarer() == TDeclarer::Better;
    return ChartImage(NewChart(name), ChartCaption(summary_, byBetter));
}

bool TAnalysisResultsForm::SaveChart(const QString& name) {
    const QString title = QStringLiteral("Save %1 Chart").arg(name);
    const auto path = TExportFileSeam::AskSaveName(
        this, title, QStringLiteral("PNG images (*.png);;All files (*)"), QStringLiteral("png"));
    if (!path) return false;
    const QImage image = ChartPicture(name);
    const bool written = WriteExportFile(
        this, *path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
    if (written) OfferToOpenFile(this, title, QStringLiteral("The chart was saved as"), *path);
    return written;
}

} // namespace kv
