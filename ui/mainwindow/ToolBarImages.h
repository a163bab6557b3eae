#pragma once
// The program's own images: the toolbar's icons and the program icon. The
// icons are drawn by the program (not loaded as bitmaps) at the size and
// pixel ratio they are shown at, so that they stay sharp at any scaling;
// their pictures follow the program's original 16 x 16 bitmaps.

#include <QIcon>
#include <QList>
#include <QStringList>

namespace kv {

// The names in image-number order: PRINT, CLEARONE, CLEARALL, GLASSES, PLUS,
// MINUS; then ANALYSE.
QStringList ToolBarImageNames();

// The icon of one name; an empty icon for a name not in the list.
QIcon ToolBarIcon(const QString& name);

// The six icons of image numbers 0 to 5, in image-number order.
QList<QIcon> LoadToolBarImageList();

// The program icon: a playing card with the four suit symbols.
QIcon ProgramIcon();
QPixmap ProgramIconPixmap(int size);

} // namespace kv
