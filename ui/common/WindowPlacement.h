#pragma once
// Where windows open and how wide they must be for their titles.

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

#include <memory>

namespace kv {

// Places a window in the middle of the screen it is on.
inline void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

// Places a window over the middle of its parent's window, or in the middle of
// the screen while it has no shown parent. Call it once the window has its
// size (in showEvent, after the layout set it).
inline void CentreOnParent(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    if (parent == nullptr || !parent->window()->isVisible()) return CentreOnScreen(window);
    window.move(parent->window()->geometry().center() - window.rect().center());
}

// Shrinks a window that would be larger than the free part of its screen (a
// large window at 200% on a small screen) to fit in it, with room for the
// frame and title bar; never below its minimum size.
inline void FitOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const int line = window.fontMetrics().height();
    const QSize room = screen->availableGeometry().size() - QSize(line, 3 * line);
    window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
}

// The least width at which a window manager shows the whole title: the text
// in a bold face (as most title bars draw it) plus room for the window icon
// and the title bar's buttons. It grows with the font, so it holds on HiDPI.
inline int TitleFitWidth(const QWidget& window, const QString& title) {
    QFont face = window.font();
    face.setBold(true);
    const QFontMetrics metrics(face);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

// Keeps a window that its layout sizes at least as wide as its title needs:
// a spacer of that width below everything else in the layout.
inline void FitTitle(QWidget& window) {
    const int width = TitleFitWidth(window, window.windowTitle());
    auto spacer =
        std::make_unique<QSpacerItem>(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum);
    if (auto* grid = qobject_cast<QGridLayout*>(window.layout()))
        grid->addItem(spacer.release(), grid->rowCount(), 0, 1, grid->columnCount());
    else if (auto* box = qobject_cast<QBoxLayout*>(window.layout()))
        box->addItem(spacer.release());
}

} // namespace kv
