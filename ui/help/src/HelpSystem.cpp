#include "ui/help/HelpSystem.h"

#include "HelpWindow.h"
#include "ui/common/HelpContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace kv {
namespace {
THelpSystem* gInstance = nullptr;
}

THelpSystem::THelpSystem() : window_(std::make_unique<THelpWindow>()) {
    gInstance = this;
    qApp->installEventFilter(this);
}

THelpSystem::~THelpSystem() {
    qApp->removeEventFilter(this);
    if (gInstance == this) gInstance = nullptr;
}

THelpSystem* THelpSystem::Instance() {
    return gInstance;
}

void THelpSystem::ShowContents() {
    if (gInstance != nullptr) gInstance->Raise().ShowContents();
}

void THelpSystem::ShowIndex() {
    if (gInstance != nullptr) gInstance->Raise().ShowIndex();
}

void THelpSystem::ShowContext(int context) {
    if (gInstance != nullptr) gInstance->Raise().ShowContext(context);
}

// Over a modal dialog the help window must itself be modal to take input;
// otherwise it stays an ordinary window beside the program's.
THelpWindow& THelpSystem::Raise() {
    QWidget* modal = QApplication::activeModalWidget();
    const bool overModal = modal != nullptr && modal != window_.get();
    const Qt::WindowModality wanted = overModal ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != wanted) {
        window_->hide();
        window_->setWindowModality(wanted);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return *window_;
}

bool THelpSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat() || !watched->isWidgetType()) return false;
    // F1 with Shift and the like belongs to the menu item that shows it (Shift+F1: Contents).
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    // In an open menu, the highlighted item's context, or the menu's own when
    // the item has none (the hands window's menus carry their context).
    if (const auto* menu = qobject_cast<QMenu*>(watched)) {
        const int item = HelpContextOf(menu->activeAction());
        ShowContext(item != help::Contents ? item : HelpContextOf(menu));
        return true;
    }
    const QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    if (target == nullptr || target->window() == window_.get()) return false;
    // The release reaches the focused widget first and then its parents; act once.
    if (watched != target) return false;
    ShowContext(HelpContextOf(target));
    return true;
}

} // namespace kv
