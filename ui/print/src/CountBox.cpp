#include "CountBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kv {
namespace {

bool OnlyDigits(const QString& text) {
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

} // namespace

TCountBox::TCountBox(int number, QWidget* parent) : QSpinBox(parent) {
    setObjectName(QStringLiteral("UpDown%1").arg(number));
    lineEdit()->setObjectName(QStringLiteral("Edit%1").arg(number));
    setRange(0, 100);
    setSingleStep(1);
    setWrapping(false);
    setAccelerated(false);
}

void TCountBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint();
    if (typed && !OnlyDigits(text)) {
        event->accept(); // discarded
        return;
    }
    QSpinBox::keyPressEvent(event);
}

QValidator::State TCountBox::validate(QString& input, int& pos) const {
    if (!OnlyDigits(input)) return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

} // namespace kv
