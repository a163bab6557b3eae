#include "FrequencyPanel.h"

#include "ui/common/HelpContext.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace kv {

void TFrequencyEdit::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit Stepped();
}

TFrequencyPanel::TFrequencyPanel(QWidget* parent)
    : QWidget(parent), edit_(new TFrequencyEdit(this)), total_(new QLabel(this)) {
    setObjectName(QStringLiteral("FrequencyPanel"));
    SetHelpContext(this, help::Types);
    setFixedHeight(41);
    // Alt+R: F opens the File menu.
    auto* caption = new QLabel(QStringLiteral("&Relative frequency for this type:"), this);
    caption->setObjectName(QStringLiteral("FrequencyLabel"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(edit_);
    edit_->setObjectName(QStringLiteral("FrequencyEdit"));
    edit_->setRange(1, 999);
    edit_->setSingleStep(1);
    edit_->setWrapping(false);
    edit_->setValue(100);
    edit_->setAlignment(Qt::AlignRight);
    edit_->lineEdit()->setMaxLength(3);
    edit_->lineEdit()->installEventFilter(this);
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("9999")) + 30);
    total_->setObjectName(QStringLiteral("TotalLabel"));
    total_->setMinimumWidth(total_->fontMetrics().horizontalAdvance(QStringLiteral("of 7992")));
    // The field's own signal: the spin box reports no text it cannot take as a
    // value. Steps and the text put back on leaving the box bypass it.
    connect(edit_->lineEdit(), &QLineEdit::textChanged, this, &TFrequencyPanel::TextChanged);
    connect(edit_, &TFrequencyEdit::Stepped, this, &TFrequencyPanel::TextChanged);
    connect(edit_, &QAbstractSpinBox::editingFinished, this, &TFrequencyPanel::TextChanged);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(caption, 1);
    layout->addWidget(edit_);
    layout->addWidget(total_, 1);
}

int TFrequencyPanel::TextValue() const {
    return edit_->lineEdit()->text().toInt();
}

int TFrequencyPanel::SpinnerValue() const {
    return edit_->value();
}

void TFrequencyPanel::SetValue(int value) {
    edit_->setValue(value);
    edit_->lineEdit()->setText(QString::number(value));
}

void TFrequencyPanel::ShowTotal(qint64 total) {
    total_->setText(QStringLiteral("of %1").arg(total));
}

// Only digits and backspace may be typed; keys that type nothing (arrows,
// Delete, the spinner's Up and Down) keep their usual work.
bool TFrequencyPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128);
}

} // namespace kv
