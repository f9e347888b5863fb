#include "catalogue/CataloguePosition.h"

#include <algorithm>

namespace
{
// Drawing numbers are counted up to here at most.
constexpr int mostDrawings = 32767;
} // namespace

void CataloguePosition::toStart()
{
    categoryIndex = 0;
    drawingNumber = 1;
}

void CataloguePosition::setCount(int drawings)
{
    drawingCount = std::clamp(drawings, 0, mostDrawings);
}

void CataloguePosition::nextDrawing()
{
    drawingNumber = drawingNumber < drawingCount ? drawingNumber + 1 : 1;
}

void CataloguePosition::previousDrawing()
{
    --drawingNumber;
    // -1: a category without drawings, already back at 0.
    if (drawingNumber == 0 || drawingNumber == -1)
        drawingNumber = drawingCount;
}

void CataloguePosition::nextCategory(int categories)
{
    ++categoryIndex;
    if (categoryIndex >= categories)
        categoryIndex = 0;
    drawingNumber = 1;
}
