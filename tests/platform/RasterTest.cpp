#include "platform/Raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace
{

constexpr QRgb white = 0xffffffffu;
constexpr QRgb ink = 0xff1e90a0u;

QImage blank(int width, int height, QRgb colour = white)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Bounding box of the pixels that differ between two images of the same size.
QRect changedBetween(const QImage &before, const QImage &after)
{
    QRect box;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect boundsOf(const QImage &image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Returns the first pixel whose colour is neither of the two, or (-1, -1).
QPoint firstForeignPixel(const QImage &image, QRgb a, QRgb b)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != a && image.pixel(x, y) != b)
                return {x, y};
    return {-1, -1};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double distanceToPath(QPointF p, const std::vector<QPointF> &path)
{
    double best = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i < path.size(); ++i)
        best = std::min(best, distanceToSegment(p, path[i - 1], path[i]));
    return best;
}

// The dot's centre as the drawing rule defines it.
QPointF snappedCentre(QPointF p, int diameter)
{
    if (diameter % 2)
        return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
    return {std::floor(p.x() + 0.5), std::floor(p.y() + 0.5)};
}

// A wandering mouse path: many short moves with fractional positions.
std::vector<QPointF> wanderingPath(unsigned seed, QPointF start, int steps)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> turn(-0.6, 0.6);
    std::uniform_real_distribution<double> stride(0.3, 6.0);
    std::vector<QPointF> path{start};
    double heading = 0.0;
    for (int i = 0; i < steps; ++i) {
        heading += turn(random);
        const double length = stride(random);
        path.push_back(path.back() + QPointF(std::cos(heading), std::sin(heading)) * length);
    }
    return path;
}

} // namespace

TEST(RoundDot, IsExactlyDiameterWideAndHighAroundItsPoint)
{
    for (int d = 1; d <= 40; ++d) {
        for (const QPointF point : {QPointF(50, 60), QPointF(50.3, 60.8), QPointF(49.6, 60.49)}) {
            QImage image = blank(120, 120);
            const QRect returned = drawRoundDot(image, point, d, ink);
            const QRect painted = boundsOf(image, ink);
            ASSERT_EQ(painted.size(), QSize(d, d)) << "diameter " << d;
            ASSERT_EQ(returned, painted) << "diameter " << d;
            const QPointF centre = snappedCentre(point, d);
            ASSERT_EQ(painted.left() + d / 2.0, centre.x()) << "diameter " << d;
            ASSERT_EQ(painted.top() + d / 2.0, centre.y()) << "diameter " << d;
        }
    }
}

TEST(RoundDot, IsRoundAndSymmetric)
{
    for (int d = 1; d <= 40; ++d) {
        QImage image = blank(60, 60);
        const QRect box = drawRoundDot(image, QPointF(30, 30), d, ink);
        const auto at = [&](int i, int j) { return image.pixel(box.left() + i, box.top() + j); };
        for (int j = 0; j < d; ++j)
            for (int i = 0; i < d; ++i) {
                ASSERT_EQ(at(i, j), at(d - 1 - i, j)) << "diameter " << d;
                ASSERT_EQ(at(i, j), at(i, d - 1 - j)) << "diameter " << d;
                ASSERT_EQ(at(i, j), at(j, i)) << "diameter " << d;
            }
        if (d >= 4) {
            EXPECT_EQ(at(0, 0), white) << "corner painted at diameter " << d;
        }
        // A round dot gets fuller towards its middle row.
        for (int j = 1; j <= (d - 1) / 2; ++j) {
            int previous = 0, current = 0;
            for (int i = 0; i < d; ++i) {
                previous += at(i, j - 1) == ink;
                current += at(i, j) == ink;
            }
            EXPECT_LE(previous, current) << "diameter " << d << " row " << j;
        }
        EXPECT_EQ(firstForeignPixel(image, white, ink), QPoint(-1, -1));
    }
}

TEST(RoundDot, MatchesAFilledCircleOfHalfTheDiameterAtTheSnappedCentre)
{
    for (int d = 1; d <= 40; ++d) {
        const QPointF point(33.7, 21.2);
        QImage dot = blank(80, 80);
        QImage circle = blank(80, 80);
        drawRoundDot(dot, point, d, ink);
        fillCircle(circle, snappedCentre(point, d), d / 2.0, ink);
        ASSERT_EQ(dot, circle) << "diameter " << d;
    }
}

TEST(FilledCircle, PaintsEveryPixelWhoseCentreIsWithinTheRadius)
{
    for (const double radius : {0.0, 0.4, 1.0, 2.7, 7.25, 15.5}) {
        const QPointF centre(20.3, 17.9);
        QImage image = blank(45, 45);
        const QRect returned = fillCircle(image, centre, radius, ink);
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 45; ++x) {
                const double distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
                if (std::abs(distance - radius) < 1e-9)
                    continue; // on the edge: either answer is fair
                ASSERT_EQ(image.pixel(x, y) == ink, distance <= radius)
                    << "radius " << radius << " at " << x << "," << y;
            }
        EXPECT_EQ(returned, boundsOf(image, ink));
    }
}

TEST(ThickLine, FromAPointToItselfIsTheDot)
{
    for (int d = 1; d <= 25; ++d) {
        for (const QPointF point : {QPointF(20, 20), QPointF(20.4, 19.7)}) {
            QImage line = blank(50, 50);
            QImage dot = blank(50, 50);
            drawThickLine(line, point, point, d, ink);
            drawRoundDot(dot, point, d, ink);
            ASSERT_EQ(line, dot) << "width " << d;
        }
    }
}

TEST(ThickLine, IsThePixelsWithinHalfTheWidthOfTheSegmentBetweenSnappedCentres)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> coordinate(5.0, 95.0);
    std::uniform_int_distribution<int> widths(2, 30);
    for (int round = 0; round < 200; ++round) {
        const QPointF from(coordinate(random), coordinate(random));
        const QPointF to(coordinate(random), coordinate(random));
        const int width = widths(random);
        QImage image = blank(100, 100);
        drawThickLine(image, from, to, width, ink);
        const QPointF a = snappedCentre(from, width);
        const QPointF b = snappedCentre(to, width);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const double distance = distanceToSegment(QPointF(x + 0.5, y + 0.5), a, b);
                if (std::abs(distance - width / 2.0) < 1e-6)
                    continue; // on the edge: either answer is fair
                ASSERT_EQ(image.pixel(x, y) == ink, distance < width / 2.0)
                    << "width " << width << " at " << x << "," << y << " from " << from.x() << ","
                    << from.y() << " to " << to.x() << "," << to.y();
            }
    }
}

TEST(ThickLine, AStrokeOfShortSegmentsHasNoGapsAndStaysNearItsPath)
{
    for (const int width : {2, 3, 5, 8, 13, 40}) {
        const std::vector<QPointF> path = wanderingPath(width, QPointF(100, 100), 150);
        QImage image = blank(200, 200);
        QRect returned;
        for (size_t i = 1; i < path.size(); ++i)
            returned |= drawThickLine(image, path[i - 1], path[i], width, ink);
        EXPECT_EQ(returned, boundsOf(image, ink));
        EXPECT_EQ(firstForeignPixel(image, white, ink), QPoint(-1, -1));
        // Snapping moves a centre by at most half a pixel in each direction.
        const double snap = std::sqrt(0.5);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                const double distance = distanceToPath(QPointF(x + 0.5, y + 0.5), path);
                if (distance <= width / 2.0 - snap) {
                    ASSERT_EQ(image.pixel(x, y), ink)
                        << "gap at " << x << "," << y << " width " << width;
                }
                if (distance > width / 2.0 + 1.0) {
                    ASSERT_EQ(image.pixel(x, y), white)
                        << "stray pixel at " << x << "," << y << " width " << width;
                }
            }
    }
}

TEST(ThinLine, IsEightConnectedWithBothEndsAndTheSameInEitherDirection)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(0.0, 60.0);
    for (int round = 0; round < 300; ++round) {
        const QPointF from(coordinate(random), coordinate(random));
        const QPointF to(coordinate(random), coordinate(random));
        QImage forward = blank(60, 60);
        QImage backward = blank(60, 60);
        drawThickLine(forward, from, to, 1, ink);
        drawThickLine(backward, to, from, 0, ink);
        ASSERT_EQ(forward, backward);

        const QPoint a(int(from.x()), int(from.y()));
        const QPoint b(int(to.x()), int(to.y()));
        ASSERT_EQ(forward.pixel(a), ink);
        ASSERT_EQ(forward.pixel(b), ink);
        const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
        int painted = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                if (forward.pixel(x, y) != ink)
                    continue;
                ++painted;
                ASSERT_LE(distanceToSegment(QPointF(x, y), a, b), std::sqrt(0.5));
            }
        // One pixel per step along the longer axis, so no clumps and no holes.
        ASSERT_EQ(painted, steps + 1);
        // Each painted pixel but the ends touches two others (8-connected chain).
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                if (forward.pixel(x, y) != ink || QPoint(x, y) == a || QPoint(x, y) == b)
                    continue;
                int neighbours = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        neighbours += (dx || dy) && forward.valid(x + dx, y + dy) &&
                                      forward.pixel(x + dx, y + dy) == ink;
                ASSERT_GE(neighbours, 2) << "break at " << x << "," << y;
            }
    }
}

TEST(ExactDrawing, ReturnedRectangleIsExactlyWhatChanged)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> coordinate(-30.0, 110.0);
    std::uniform_int_distribution<int> widths(0, 20);
    const QImage before = blank(80, 80, 0xff000000u);
    for (int round = 0; round < 300; ++round) {
        QImage image = before;
        const QRgb colour = 0xff000000u | (round * 7919u + 1u);
        const QPointF p(coordinate(random), coordinate(random));
        const QPointF q(coordinate(random), coordinate(random));
        const int width = widths(random);
        QRect returned;
        switch (round % 3) {
        case 0:
            returned = drawThickLine(image, p, q, width, colour);
            break;
        case 1:
            returned = drawRoundDot(image, p, width, colour);
            break;
        default:
            returned = fillCircle(image, p, width / 1.7, colour);
            break;
        }
        ASSERT_EQ(returned, changedBetween(before, image)) << "round " << round;
        ASSERT_EQ(firstForeignPixel(image, 0xff000000u, colour), QPoint(-1, -1))
            << "round " << round;
    }
}

TEST(ExactDrawing, ShapesFarOutsideChangeNothing)
{
    QImage image = blank(50, 40);
    const QImage before = image;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const int width : {1, 2, 7, 40}) {
        EXPECT_TRUE(drawRoundDot(image, QPointF(-1e9, 20), width, ink).isEmpty());
        EXPECT_TRUE(drawRoundDot(image, QPointF(1e15, -1e15), width, ink).isEmpty());
        EXPECT_TRUE(
            drawThickLine(image, QPointF(-1e12, -5e3), QPointF(1e12, -5e3), width, ink).isEmpty());
        EXPECT_TRUE(
            drawThickLine(image, QPointF(-100, 200), QPointF(200, 100), width, ink).isEmpty());
        EXPECT_TRUE(drawThickLine(image, QPointF(nan, 3), QPointF(4, 4), width, ink).isEmpty());
        EXPECT_TRUE(drawThickLine(image, QPointF(1, 3), QPointF(inf, 4), width, ink).isEmpty());
        EXPECT_TRUE(fillCircle(image, QPointF(-1e300, 5), width, ink).isEmpty());
    }
    EXPECT_TRUE(fillCircle(image, QPointF(5, 5), nan, ink).isEmpty());
    EXPECT_TRUE(fillCircle(image, QPointF(5, 5), -1.0, ink).isEmpty());
    QImage empty;
    EXPECT_TRUE(drawRoundDot(empty, QPointF(0, 0), 5, ink).isEmpty());
    EXPECT_EQ(image, before);
}

TEST(ExactDrawing, LinesFromFarOutsideAreClippedWhereTheyCross)
{
    QImage thick = blank(50, 40);
    EXPECT_EQ(drawThickLine(thick, QPointF(-1e9, 10), QPointF(1e9, 10), 3, ink),
              QRect(0, 9, 50, 3));
    EXPECT_EQ(boundsOf(thick, ink), QRect(0, 9, 50, 3));
    EXPECT_EQ(firstForeignPixel(thick.copy(0, 9, 50, 3), ink, ink), QPoint(-1, -1));

    QImage thin = blank(50, 40);
    EXPECT_EQ(drawThickLine(thin, QPointF(-1e6, -1e6), QPointF(1e6, 1e6), 1, ink),
              QRect(0, 0, 40, 40));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(thin.pixel(x, y) == ink, x == y) << x << "," << y;
}

TEST(ExactDrawing, ColourWithoutAlphaIsStoredOpaque)
{
    QImage image = blank(10, 10);
    drawRoundDot(image, QPointF(5, 5), 3, 0x00123456u);
    EXPECT_EQ(image.pixel(5, 5), 0xff123456u);
}
