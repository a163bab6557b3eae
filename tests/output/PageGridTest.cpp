// Boards share a page in equal cells that never overlap or leave the page.
#include "output/printlib/src/PageGrid.h"

#include <gtest/gtest.h>

using namespace kv::printlib;

TEST(PageGrid, FillsThePageRowByRowWithoutOverlap) {
    const QRectF area(0, 0, 520, 700);
    const TPageGrid grid(area, QSizeF(240, 160), 8);
    EXPECT_EQ(grid.Columns(), 2);
    EXPECT_EQ(grid.Rows(), 4);
    for (int i = 0; i < grid.CellsPerPage(); ++i) {
        const QRectF cell = grid.Cell(i);
        EXPECT_TRUE(area.contains(cell)) << i;
        EXPECT_GE(cell.width(), 240);
        EXPECT_GE(cell.height(), 160);
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(cell.intersects(grid.Cell(j))) << i << " " << j;
    }
    EXPECT_LT(grid.Cell(0).left(), grid.Cell(1).left());
    EXPECT_EQ(grid.Cell(0).top(), grid.Cell(1).top());
}

TEST(PageGrid, LandscapeTakesMoreColumns) {
    EXPECT_EQ(TPageGrid(QRectF(0, 0, 770, 450), QSizeF(240, 160), 8).Columns(), 3);
}

TEST(PageGrid, TooSmallAreaStillHasOneCell) {
    const TPageGrid grid(QRectF(0, 0, 100, 50), QSizeF(240, 160), 8);
    EXPECT_EQ(grid.CellsPerPage(), 1);
}
