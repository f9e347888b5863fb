#include "catalogue/CataloguePosition.h"

#include <gtest/gtest.h>

// Each row: drawings in the category, the drawing before, the press, the
// drawing after. Round the category both ways; a category without drawings
// goes back from 1 to 0 and stays at 0.
TEST(CataloguePosition, DrawingButtonsRunRoundTheCategory)
{
    enum Press { Next, Previous };
    const std::tuple<int, int, Press, int> rows[] = {
        {3, 1, Next, 2},     {3, 3, Next, 1},     {3, 2, Previous, 1},
        {3, 1, Previous, 3}, {1, 1, Next, 1},     {1, 1, Previous, 1},
        {0, 1, Previous, 0}, {0, 0, Previous, 0}, {0, 0, Next, 1}};
    for (const auto &[count, before, press, after] : rows) {
        CataloguePosition position;
        position.setCount(count);
        while (position.drawing() != before)
            position.previousDrawing();
        press == Next ? position.nextDrawing() : position.previousDrawing();
        EXPECT_EQ(position.drawing(), after) << count << " drawings, from " << before;
    }
}

// The category button goes to the first drawing of the next category, after
// the last the first.
TEST(CataloguePosition, CategoryButtonRunsRoundFromTheFirstDrawing)
{
    CataloguePosition position;
    position.setCount(4);
    position.nextDrawing();
    for (const int expected : {1, 2, 0, 1}) {
        position.nextCategory(3);
        EXPECT_EQ(position.category(), expected);
        EXPECT_EQ(position.drawing(), 1);
    }
}
