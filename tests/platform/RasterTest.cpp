#include "platform/Raster.h"
#include "support/Pictures.h"

#include <cmath>
#include <random>

namespace
{
constexpr QRgb ink = 0xff1e90a0u;
const QRgb white = qRgb(255, 255, 255);

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0;
    return std::hypot(p.x() - a.x() - t * ab.x(), p.y() - a.y() - t * ab.y());
}
} // namespace

// Dots of diameter d, lines of width d and circles of radius r paint exactly the
// pixels whose centre lies within d / 2 (r) of their axis: a dot's snapped centre
// (for odd d the centre of the pixel holding the point, for even d the nearest
// pixel corner), the segment between two snapped centres, a circle's centre. The
// returned rectangle is what changed; what lies outside or is no number, nothing.
TEST(ExactDrawing, PaintsThePixelsWithinTheRadiusAndReturnsWhatChanged)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> coordinate(-20.0, 120.0);
    for (int round = 0; round < 150; ++round) {
        const int kind = round % 3, d = kind == 1 ? 2 + round % 39 : 1 + round % 40;
        QPointF p(coordinate(random), coordinate(random)),
            q(coordinate(random), coordinate(random));
        if (round >= 148 || round == 49 || round == 99) // far away, along a row, no number
            std::tie(p, q) = round == 148   ? std::pair(QPointF(-1e9, 40.2), QPointF(1e9, 40.2))
                             : round == 149 ? std::pair(QPointF(NAN, 3), QPointF(NAN, 6))
                                            : std::pair(QPointF(-1e12, 40), QPointF(-2e12, 80));
        const auto snap = [d](QPointF v) {
            const double shift = d % 2 ? 0 : 0.5;
            return QPointF(std::floor(v.x() + shift) + 0.5 - shift,
                           std::floor(v.y() + shift) + 0.5 - shift);
        };
        const double radius = kind == 2 ? d / 3.0 : d / 2.0;
        const QPointF a = kind == 2 ? p : snap(p), b = kind == 1 ? snap(q) : a;
        QImage image = plainPicture(100, 80, white);
        const QRect returned = kind == 0   ? drawRoundDot(image, p, d, ink)
                               : kind == 1 ? drawThickLine(image, p, q, d, ink)
                                           : fillCircle(image, p, radius, ink);
        QRect changed;
        for (int i = 0; i < 100 * 80; ++i) {
            const int x = i % 100, y = i / 100;
            const double distance = distanceToSegment({x + 0.5, y + 0.5}, a, b);
            changed |= image.pixel(x, y) == ink ? QRect(x, y, 1, 1) : QRect();
            if (!(std::abs(distance - radius) <= 1e-6)) { // on the edge: either way
                ASSERT_EQ(image.pixel(x, y) == ink, distance < radius)
                    << x << "," << y << " round " << round;
            }
        }
        ASSERT_EQ(returned, changed) << "round " << round;
    }
}
