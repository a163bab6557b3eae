#include "ui/common/UserInputBlock.h"

#include <QAction>
#include <QApplication>
#include <QEvent>

namespace kv {
namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

TUserInputBlock::TUserInputBlock() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) windows_.append(w);
    qApp->installEventFilter(this);
}

TUserInputBlock::~TUserInputBlock() {
    qApp->removeEventFilter(this);
}

bool TUserInputBlock::eventFilter(QObject* watched, QEvent* event) {
    return IsUserInput(event->type()) && InBlockedWindow(watched);
}

bool TUserInputBlock::IsBlockedWindow(const QWidget* widget) const {
    const QWidget* window = widget->window();
    for (const QPointer<QWidget>& w : windows_)
        if (w == window) return true;
    return false;
}

// Widgets by their window; actions (their shortcuts) by the widgets that show
// them; other objects, such as QShortcut, by the widget they belong to.
bool TUserInputBlock::InBlockedWindow(QObject* receiver) const {
    if (const auto* action = qobject_cast<QAction*>(receiver)) {
        for (QObject* o : action->associatedObjects())
            if (const auto* w = qobject_cast<QWidget*>(o); w != nullptr && IsBlockedWindow(w))
                return true;
    }
    for (QObject* o = receiver; o != nullptr; o = o->parent())
        if (const auto* w = qobject_cast<QWidget*>(o)) return IsBlockedWindow(w);
    return false;
}

} // namespace kv
