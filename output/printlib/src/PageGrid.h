#pragma once
// Cells of equal size on a page: as many columns and rows of a diagram as
// fit the printable area, filled row by row.

#include <QRectF>
#include <QSizeF>

namespace kv::printlib {

class TPageGrid {
  public:
    // At least one cell, even when the area is smaller than one diagram.
    TPageGrid(const QRectF& area, const QSizeF& minimumCell, qreal gap);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int CellsPerPage() const { return columns_ * rows_; }
    // Cell 0 is top left; cells run along the rows.
    QRectF Cell(int index) const;

  private:
    QRectF area_;
    qreal gap_;
    int columns_;
    int rows_;
    QSizeF cell_;
};

} // namespace kv::printlib
