#pragma once
// The program's own images: the six 16 x 16 toolbar bitmaps, kept as
// resources in 16 colours with magenta (255, 0, 255) as the transparent
// colour, and the program icon.

#include <QIcon>
#include <QImage>
#include <QList>
#include <QStringList>

namespace kv {

// The resource names in image-number order: PRINT, CLEARONE, CLEARALL,
// GLASSES, PLUS, MINUS.
QStringList ToolBarImageNames();

// One bitmap with its magenta pixels made transparent.
QImage LoadToolBarImage(const QString& name);

// The six images as icons, in image-number order.
QList<QIcon> LoadToolBarImageList();

// The program icon: a playing card with the four suit symbols.
QIcon ProgramIcon();
QPixmap ProgramIconPixmap(int size);

} // namespace kv
