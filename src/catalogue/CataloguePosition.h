#pragma once

// Where the child is in the catalogue: the category (its index in the list of
// logos), the drawing shown in it (drawing n is the file n.gif) and how many
// drawings the category has (1.gif, 2.gif, ... up to the first gap).
//
// The drawing buttons run round the category. A category without a "1.gif"
// has no drawings: its drawing number is 1 on arrival, and going back reaches
// 0 and stays there.
class CataloguePosition
{
public:
    int category() const { return categoryIndex; }
    int drawing() const { return drawingNumber; }
    int count() const { return drawingCount; }

    // The first drawing of the first category (its count is set apart).
    void toStart();
    // The drawings of the category, counted once it is shown.
    void setCount(int drawings);

    // The next drawing, after the last the first.
    void nextDrawing();
    // The previous drawing, before the first the last; in a category without
    // drawings the number stays at 0.
    void previousDrawing();
    // The first drawing of the next category of `categories`, after the last
    // the first.
    void nextCategory(int categories);

private:
    int categoryIndex = 0;
    int drawingNumber = 1;
    int drawingCount = 0;
};
