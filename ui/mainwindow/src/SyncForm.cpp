#include "SyncForm.h"

#include "engine/RandomSource.h"
#include "engine/SeedText.h"
#include "ui/common/HelpContext.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/WindowPlacement.h"
#include "ui/help/HelpSystem.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TSyncForm::TSyncForm(std::int32_t seed, QWidget* parent)
    : QDialog(parent), seed_(seed), seedEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("SyncForm"));
    setWindowTitle(QStringLiteral("Synchronize"));
    SetHelpContext(this, help::Synchronize);
    auto* label = new QLabel(QStringLiteral("Random number seed:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(seedEdit_);
    seedEdit_->setObjectName(QStringLiteral("Edit1"));
    seedEdit_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    ok->setObjectName(QStringLiteral("OKBtn"));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    help->setObjectName(QStringLiteral("HelpBtn"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { THelpSystem::ShowContext(help::Synchronize); });

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(seedEdit_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    seedEdit_->setMinimumWidth(
        seedEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
}

QString TSyncForm::SeedText() const {
    return seedEdit_->text();
}

void TSyncForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    seedEdit_->setText(QString::fromStdString(SeedToText(seed_)));
    seedEdit_->setFocus(Qt::OtherFocusReason);
    seedEdit_->selectAll();
}

bool TSyncForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == seedEdit_ && event->type() == QEvent::KeyPress)
        return FilterKey(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

// Typed characters are turned to upper case; only hex digits and backspace
// get through. Keys that type nothing (arrows, shortcuts such as paste) pass.
bool TSyncForm::FilterKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace) return false;
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QChar c = text.at(0).toUpper();
    const bool hex = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    if (hex) seedEdit_->insert(QString(c));
    return true;
}

bool ApplySeedText(QWidget* parent, const QString& text, TRandomSource& random) {
    const std::optional<std::int32_t> seed = SeedFromText(text.toStdString());
    if (!seed) {
        TMessageSeam::Show(parent, TMessageKind::Error, QStringLiteral("Kestrovanhalme"),
                           QString::fromStdString(InvalidSeedMessage(text.toStdString())));
        return false;
    }
    random.RandomSeed = *seed;
    return true;
}

bool SynchronizeSeed(QWidget* parent, TRandomSource& random) {
    TSyncForm form(random.RandomSeed, parent);
    if (form.exec() != QDialog::Accepted) return false;
    return ApplySeedText(parent, form.SeedText(), random);
}

} // namespace kv
