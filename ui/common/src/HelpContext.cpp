#include "ui/common/HelpContext.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace kv {
namespace {

// The one name under which every control and menu item keeps its context.
constexpr const char* kProperty = "HelpContext";

void SetOwn(QObject* object, int context) {
    object->setProperty(kProperty, context);
}

} // namespace

void SetHelpContext(QWidget* widget, int context) {
    SetOwn(widget, context);
}

void SetHelpContext(QAction* item, int context) {
    SetOwn(item, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (const int own = OwnHelpContext(w); own != help::Contents) return own;
        if (w->isWindow()) break;
    }
    return help::Contents;
}

int HelpContextOf(const QAction* item) {
    return item != nullptr ? OwnHelpContext(item) : help::Contents;
}

int OwnHelpContext(const QObject* object) {
    return object->property(kProperty).toInt();
}

} // namespace kv
