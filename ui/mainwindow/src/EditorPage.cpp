#include "EditorPage.h"

#include "BoundButton.h"
#include "TrackBar.h"
#include "ui/common/HelpContext.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace kv {
namespace {

constexpr int kLabelColumn = 3;
// Column of a row's Min button; its track bar and Max button follow.
int FirstColumn(TEditorRow row) {
    return RowSide(row) == TSide::South ? 0 : 4;
}
int GridRow(TEditorRow row) {
    return 1 + static_cast<int>(RowRange(row));
}

QLabel* Heading(const QString& text, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont face = label->font();
        face.setBold(true);
        label->setFont(face);
    }
    return label;
}

// The suit symbols; hearts and diamonds red.
struct TRowLabel {
    const char* Name;
    const char* Text;
    bool Red;
};
constexpr TRowLabel kRowLabels[] = {
    {"HCPLabel", "HCP", false},     {"SpadeLabel", "\u2660", false},
    {"HeartLabel", "\u2665", true}, {"DiamondLabel", "\u2666", true},
    {"ClubLabel", "\u2663", false},
};

} // namespace

TEditorPage::TEditorPage(TEditorModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("EditorPage"));
    SetHelpContext(this, help::Editor);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    BuildFrames(grid);
    BuildHeadings(grid);
    for (const TEditorRow row : kAllEditorRows)
        BuildRow(grid, row);
    BuildRowLabels(grid);
    for (const int track : {1, 5})
        grid->setColumnStretch(track, 1);
    grid->setColumnMinimumWidth(kLabelColumn, 34);
    ShowAll();
}

// Framed cells behind each half-row and each row label.
void TEditorPage::BuildFrames(QGridLayout* grid) {
    for (int r = 1; r <= 5; ++r) {
        for (const int column : {0, kLabelColumn, 4}) {
            auto* frame = new QFrame(this);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            grid->addWidget(frame, r, column, 1, column == kLabelColumn ? 1 : 3);
        }
    }
}

void TEditorPage::BuildHeadings(QGridLayout* grid) {
    for (const int first : {0, 4}) {
        grid->addWidget(Heading(QStringLiteral("Min"), false, this), 0, first);
        grid->addWidget(
            Heading(first == 0 ? QStringLiteral("South") : QStringLiteral("North"), true, this), 0,
            first + 1);
        grid->addWidget(Heading(QStringLiteral("Max"), false, this), 0, first + 2);
    }
}

void TEditorPage::BuildRow(QGridLayout* grid, TEditorRow row) {
    const QString prefix = QString::fromLatin1(RowPrefix(row).data(), RowPrefix(row).size());
    TRowControls& c = rows_[RowIndex(row)];
    c.MinButton = new TBoundButton(this);
    c.Track = new TTrackBar(this);
    c.MaxButton = new TBoundButton(this);
    c.MinButton->setObjectName(prefix + QStringLiteral("MinBtn"));
    c.Track->setObjectName(prefix + QStringLiteral("Track"));
    c.MaxButton->setObjectName(prefix + QStringLiteral("MaxBtn"));
    c.Track->setRange(0, RowTop(row));
    c.Group = new QButtonGroup(this);
    c.Group->setExclusive(true);
    c.Group->addButton(c.MinButton);
    c.Group->addButton(c.MaxButton);
    connect(c.MinButton, &QToolButton::clicked, this, [this, row] { model_.PressMin(row); });
    connect(c.MaxButton, &QToolButton::clicked, this, [this, row] { model_.PressMax(row); });
    connect(c.Track, &QAbstractSlider::valueChanged, this,
            [this, row](int position) { TrackChange(row, position); });
    const int column = FirstColumn(row);
    const Qt::Alignment middle = Qt::AlignVCenter;
    grid->addWidget(c.MinButton, GridRow(row), column, Qt::AlignRight | middle);
    grid->addWidget(c.Track, GridRow(row), column + 1, middle);
    grid->addWidget(c.MaxButton, GridRow(row), column + 2, Qt::AlignLeft | middle);
}

void TEditorPage::BuildRowLabels(QGridLayout* grid) {
    for (int i = 0; i < 5; ++i) {
        const TRowLabel& spec = kRowLabels[i];
        QLabel* label = Heading(QString::fromUtf8(spec.Text), i == 0, this);
        label->setObjectName(QString::fromLatin1(spec.Name));
        if (i > 0) {
            QFont face = label->font();
            face.setPointSizeF(face.pointSizeF() * 1.6);
            label->setFont(face);
        }
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, spec.Red ? QColor(Qt::red) : QColor(Qt::black));
        label->setPalette(colours);
        grid->addWidget(label, 1 + i, kLabelColumn);
        labels_[static_cast<std::size_t>(i)] = label;
    }
}

QLabel* TEditorPage::RowLabel(TRange range) const {
    return labels_[static_cast<std::size_t>(range)];
}

void TEditorPage::TrackChange(TEditorRow row, int position) {
    model_.TrackChange(row, position);
}

void TEditorPage::ShowRow(TEditorRow row) {
    const TEditorRowState& state = model_.Row(row);
    const TRowControls& c = Row(row);
    const QSignalBlocker blockTrack(c.Track);
    c.Track->SetSelection(state.SelStart, state.SelEnd);
    c.Track->setValue(state.Position);
    c.MinButton->Show(QString::fromStdString(state.MinCaption), state.MinTag, state.MinBold);
    c.MaxButton->Show(QString::fromStdString(state.MaxCaption), state.MaxTag, state.MaxBold);
    (state.Pressed == TBound::Min ? c.MinButton : c.MaxButton)->setChecked(true);
}

void TEditorPage::ShowAll() {
    for (const TEditorRow row : kAllEditorRows)
        ShowRow(row);
}

} // namespace kv
