#pragma once
// The toolbar's pictures as drawings in a 16 x 16 box, after the program's
// original 16-pixel bitmaps: a printer, a page being erased, two pages being
// erased, glasses, a plus, a minus and a bar chart.

class QPainter;

namespace kv {

void DrawPrinter(QPainter& p);
void DrawClearOne(QPainter& p);
void DrawClearAll(QPainter& p);
void DrawGlasses(QPainter& p);
void DrawPlus(QPainter& p);
void DrawMinus(QPainter& p);
void DrawBarChart(QPainter& p);

} // namespace kv
