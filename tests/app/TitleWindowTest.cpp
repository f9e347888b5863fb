#include "app/Form2.h"
#include "app/ProgramState.h"
#include "platform/Random.h"
#include "support/TempAppFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <queue>

namespace
{
struct TitleWindow : ::testing::Test {
    TempAppFolder app;
    Form2 title{app.path()};
    int mainWindowsShown = 0;

    void SetUp() override
    {
        title.showMainWindow = [this] { ++mainWindowsShown; };
        title.Timer1->stop();
    }
};

// Pixels 4-connected to start through pixels of exactly its colour.
std::vector<QPoint> areaAt(const QImage &image, QPoint start)
{
    const QRgb colour = image.pixel(start);
    std::vector<QPoint> area;
    std::vector<bool> seen(image.width() * image.height());
    std::queue<QPoint> queue;
    queue.push(start);
    seen[start.y() * image.width() + start.x()] = true;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop();
        area.push_back(p);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (!image.valid(q) || seen[q.y() * image.width() + q.x()] || image.pixel(q) != colour)
                continue;
            seen[q.y() * image.width() + q.x()] = true;
            queue.push(q);
        }
    }
    return area;
}
} // namespace

TEST_F(TitleWindow, EmptyNameBecomesSinNombre)
{
    title.Text1->setText("");
    title.Command1_Click();
    EXPECT_EQ(userName, "Sin_nombre");
    EXPECT_EQ(mainWindowsShown, 1);
}

TEST_F(TitleWindow, NameIsKeptExactlyAsTypedBlanksIncluded)
{
    for (const QString &typed : {QString("   "), QString(" Ana María "), QString("Zoë 🦄")}) {
        title.Text1->setText(typed);
        title.Command1_Click();
        EXPECT_EQ(userName, typed);
    }
}

TEST_F(TitleWindow, ClickingTheDrawingContinuesLikeTheButton)
{
    title.Text1->setText("Leo");
    emit title.Picture1->clicked();
    EXPECT_EQ(userName, "Leo");
    EXPECT_EQ(mainWindowsShown, 1);
}

TEST_F(TitleWindow, TimerTickRecoloursExactlyOneConnectedArea)
{
    // Two white areas and a black cross: ticks land anywhere, each must change
    // exactly the connected area of the colour under its point, in one colour.
    title.Picture1->setDrawingUnit(PictureArea::Unit::Pixels);
    title.Picture1->setImage(lineDrawing(title.Picture1->width(), title.Picture1->height()));
    ProgramRandom::seed(2024);
    for (int tick = 0; tick < 25; ++tick) {
        const QImage before = title.Picture1->image().copy();
        title.Timer1_Timer();
        const QImage &after = title.Picture1->image();
        std::vector<QPoint> changed;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    changed.emplace_back(x, y);
        if (changed.empty())
            continue; // the random colour equalled the old one
        const std::vector<QPoint> area = areaAt(before, changed.front());
        ASSERT_EQ(changed.size(), area.size()) << "tick " << tick;
        const QRgb newColour = after.pixel(changed.front());
        for (QPoint p : area)
            ASSERT_EQ(after.pixel(p), newColour);
    }
}

TEST_F(TitleWindow, ShowsItsTextsAtTheirPlaces)
{
    EXPECT_EQ(title.Label1[0]->text(), "TINTARO 6.0");
    EXPECT_EQ(title.Label2->text(), "Nombre");
    EXPECT_EQ(title.Label1[2]->text(), "Software gratuito");
    EXPECT_FALSE(title.Label1[1]->text().isEmpty());
    EXPECT_EQ(title.size(), QSize(517, 679));
    EXPECT_EQ(title.Picture1->geometry(), QRect(0, 64, 521, 513));
    EXPECT_EQ(title.Timer1->interval(), 350);
    // The decorative picture lies beyond the right edge of the client area.
    EXPECT_GE(title.Image1->x(), title.width());
}
