#include "StatusNote.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace kv {
namespace {

bool IsUserAction(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

TStatusNote::TStatusNote(QStatusBar& bar) : QObject(&bar), label_(new QLabel(&bar)) {
    label_->setObjectName(QStringLiteral("StatusLabel"));
    // The note names files, whose names are data, never markup.
    label_->setTextFormat(Qt::PlainText);
    bar.setSizeGripEnabled(false);
    bar.addWidget(label_, 1);
}

TStatusNote::~TStatusNote() {
    Watch(false);
}

void TStatusNote::Show(const QString& text) {
    label_->setText(text);
    Watch(!text.isEmpty());
}

void TStatusNote::Clear() {
    Show(QString());
}

// Input is watched only while a note is shown, and only input aimed at the
// note's own window counts.
void TStatusNote::Watch(bool on) {
    if (on == watching_) return;
    watching_ = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool TStatusNote::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserAction(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == label_->window())
        Clear();
    return false;
}

} // namespace kv
