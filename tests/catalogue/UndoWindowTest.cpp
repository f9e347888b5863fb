#include "support/CatalogueFixture.h"

#include <QPushButton>

using Undo = CatalogueFixture;

// Each press takes back one painting step, up to the four the ring keeps, and
// presses after the oldest do nothing; a step painted after undoing is taken
// back to where the undoing had got.
TEST_F(Undo, PressesTakeBackTheLastFourStepsOneByOne)
{
    writeCategory("animales", 2);
    Form1 &w = load();
    QList<QImage> states{canvas(w)};
    for (const QPoint at :
         {QPoint(10, 10), QPoint(50, 10), QPoint(10, 30), QPoint(50, 30), QPoint(10, 10)}) {
        fillAt(w, at, qRgb(0, 40 * states.size(), 0));
        states << canvas(w);
    }
    for (int expected : {4, 3, 2, 1, 1}) {
        w.Command6->click();
        EXPECT_EQ(canvas(w), states[expected]) << "back to state " << expected;
    }
    EXPECT_EQ(soundNames(), QStringList(5, "sonido5.wav"));
    fillAt(w, {50, 30}, qRgb(200, 0, 0));
    w.Command6_Click();
    EXPECT_EQ(canvas(w), states[1]);
}

// Undo brings back only a snapshot of this visit of this drawing: not an empty
// slot, not another drawing's.
TEST_F(Undo, BringsBackOnlySnapshotsOfThisVisitAtThisSize)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    const auto pressesLeaveTheCanvas = [&w](const char *where) {
        const QImage shown = canvas(w);
        for (int press = 0; press < 4; ++press)
            w.Command6_Click();
        EXPECT_EQ(canvas(w), shown) << where;
    };
    pressesLeaveTheCanvas("before any painting");
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    paintStep(w, {15, 5}, qRgb(0, 200, 0));
    w.command4_Click();
    pressesLeaveTheCanvas("on the next drawing");
    w.command3_click();
    pressesLeaveTheCanvas("back on the first drawing, another visit");
}

// A step painted before the fit toggle is taken back at the size shown.
TEST_F(Undo, AfterTheFitToggleTakesBackTheStepAtTheNewSize)
{
    writeCategory("animales", 2);
    Form1 &w = load();
    const QImage blank = canvas(w);
    w.Command7_Click(); // natural size to stretched: another canvas size
    const QImage blankStretched = canvas(w);
    ASSERT_NE(blankStretched.size(), blank.size());
    w.Command7_Click();
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    w.Command7_Click();
    w.Command6_Click();
    EXPECT_EQ(canvas(w), blankStretched);
    w.Command7_Click();
    EXPECT_EQ(canvas(w), blank);
}
