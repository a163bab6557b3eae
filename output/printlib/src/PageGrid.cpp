#include "PageGrid.h"

#include <QtGlobal>

namespace kv::printlib {
namespace {

int Fit(qreal length, qreal minimum, qreal gap) {
    if (minimum <= 0) return 1;
    return qMax(1, static_cast<int>((length + gap) / (minimum + gap)));
}

} // namespace

TPageGrid::TPageGrid(const QRectF& area, const QSizeF& minimumCell, qreal gap)
    : area_(area), gap_(gap), columns_(Fit(area.width(), minimumCell.width(), gap)),
      rows_(Fit(area.height(), minimumCell.height(), gap)) {
    cell_ = QSizeF((area.width() - (columns_ - 1) * gap) / columns_,
                   qMin(minimumCell.height() * 1.25, (area.height() - (rows_ - 1) * gap) / rows_));
}

QRectF TPageGrid::Cell(int index) const {
    const int column = index % columns_;
    const int row = (index / columns_) % rows_;
    return QRectF(area_.left() + column * (cell_.width() + gap_),
                  area_.top() + row * (cell_.height() + gap_), cell_.width(), cell_.height());
}

} // namespace kv::printlib
