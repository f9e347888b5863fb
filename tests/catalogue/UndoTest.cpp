#include "catalogue/UndoOrigins.h"
#include "support/CatalogueFixture.h"

#include <QPushButton>

TEST(UndoOrigins, KnowsTheVisitOfEachRecordedSlotOnly)
{
    const DrawingVisit first{0, 1, 1}, second{0, 2, 2}, again{0, 1, 3};
    UndoOrigins origins;
    EXPECT_FALSE(origins.takenOn(0, first)) << "an empty slot belongs to no visit";
    origins.record(0, first);
    origins.record(1, second);
    origins.record(1, first); // refilled later, on another visit
    EXPECT_TRUE(origins.takenOn(0, first));
    EXPECT_FALSE(origins.takenOn(0, second));
    EXPECT_TRUE(origins.takenOn(1, first));
    EXPECT_FALSE(origins.takenOn(0, again)) << "coming back is another visit";
    origins.record(7, first);
    EXPECT_FALSE(origins.takenOn(4, first));
    EXPECT_FALSE(origins.takenOn(-1, first));
}

using Undo = CatalogueFixture;

TEST_F(Undo, ThreePressesTakeBackThreePaintingSteps)
{
    writeCategory("animales", 2);
    Form1 &w = load();
    QList<QImage> states{canvas(w)};
    // Three closed areas of the drawing, filled one after the other.
    const QList<QPoint> areas{{10, 10}, {50, 10}, {10, 30}};
    for (int step = 0; step < 3; ++step) {
        fillAt(w, areas[step], qRgb(0, 60 * step + 60, 0));
        states << canvas(w);
        ASSERT_NE(states[step + 1], states[step]) << "the fill painted";
    }
    for (int press = 1; press <= 3; ++press) {
        w.Command6->click();
        EXPECT_EQ(canvas(w), states[3 - press]) << "press " << press;
    }
    EXPECT_EQ(soundNames(), QStringList(3, "sonido5.wav"));
    EXPECT_TRUE(w.drawingChanged) << "undo leaves the flag";
}

TEST_F(Undo, RingOfFourWrapsAndAStepAfterUndoReusesTheSlot)
{
    writeCategory("animales", 2);
    Form1 &w = load();
    QList<QImage> states{canvas(w)};
    for (int step = 0; step < 5; ++step) {
        paintStep(w, {3 + 8 * step, 5}, qRgb(0, 0, 40 * step + 40));
        states << canvas(w);
    }
    // The ring holds the states before steps 2 to 5; after the oldest, presses
    // do nothing.
    for (int expected : {4, 3, 2, 1, 1}) {
        w.UndoLastStep();
        EXPECT_EQ(canvas(w), states[expected]) << "back to state " << expected;
    }
    paintStep(w, {50, 20}, qRgb(200, 0, 0));
    w.UndoLastStep();
    EXPECT_EQ(canvas(w), states[1]);
}

TEST_F(Undo, BeforeAnyPaintingLeavesTheCanvasAsItIs)
{
    writeCategory("animales", 2);
    Form1 &w = load();
    const QImage before = canvas(w);
    for (int press = 0; press < 5; ++press) {
        w.Command6_Click();
        EXPECT_EQ(canvas(w), before);
    }
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    w.Command6_Click();
    EXPECT_EQ(canvas(w), before);
    EXPECT_EQ(w.Picture1->image().size(), QSize(60, 40));
}

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

TEST_F(Undo, NeverPutsAnotherDrawingsSnapshotOnTheCanvas)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    paintStep(w, {15, 5}, qRgb(0, 200, 0));
    w.command4_Click();
    const QImage second = canvas(w);
    for (int press = 0; press < 4; ++press) {
        w.Command6_Click();
        EXPECT_EQ(canvas(w), second) << "press " << press;
    }
    EXPECT_FALSE(app.exists("dibujos/animales/2.bmp"));

    // Back on drawing 1, its old snapshots belong to the earlier visit.
    w.command3_click();
    const QImage kept = canvas(w);
    ASSERT_EQ(kept, fileImage("dibujos/animales/1.bmp"));
    for (int press = 0; press < 4; ++press) {
        w.Command6_Click();
        EXPECT_EQ(canvas(w), kept) << "press " << press;
    }
    // Steps of this visit are undone as usual.
    paintStep(w, {25, 5}, qRgb(0, 0, 200));
    w.Command6_Click();
    EXPECT_EQ(canvas(w), kept);
}
