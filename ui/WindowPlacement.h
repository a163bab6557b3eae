#pragma once
// Places a window in the middle of the screen it is on.

#include <QScreen>
#include <QWidget>

namespace kv {

inline void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace kv
