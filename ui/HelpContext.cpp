#include "HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace kv {
namespace {
constexpr const char* kProperty = "HelpContext";
}

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant v = w->property(kProperty);
        if (v.isValid() && v.toInt() != 0) return v.toInt();
        if (w->isWindow()) break;
    }
    return help::Contents;
}

} // namespace kv
