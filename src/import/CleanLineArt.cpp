#include "import/CleanLineArt.h"

#include "platform/Stretch.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

// Masks are cv::Mat1b with 255 for ink (black) and 0 for paper (white).
namespace
{

constexpr int margin = 4;        // white around the drawing, so every line can be 3 px wide
constexpr int smallestArea = 16; // pixels: white areas below this are too small to fill
constexpr double mostInk = 0.45; // share of black beyond which a picture is no line art
constexpr int mostTinyPieces = 1500;

cv::Mat1b greyOf(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat1b view(grey.height(), grey.width(), const_cast<uchar *>(grey.constBits()),
                         size_t(grey.bytesPerLine()));
    return view.clone();
}

QImage pictureOf(const cv::Mat1b &ink)
{
    QImage image(ink.cols, ink.rows, QImage::Format_RGB32);
    for (int y = 0; y < ink.rows; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < ink.cols; ++x)
            line[x] = ink(y, x) ? 0xFF000000 : 0xFFFFFFFF;
    }
    return image;
}

cv::Mat1b inkOf(const QImage &picture)
{
    cv::Mat1b ink(picture.height(), picture.width());
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            ink(y, x) = (line[x] & 0xFFFFFF) == 0 ? 255 : 0;
    }
    return ink;
}

// A page photographed in a room is darker on one side than on the other: each
// pixel is brightened by what the paper around it lacks of the brightest paper.
// The paper's brightness is the picture with its lines closed over (at a
// quarter of the size: a line narrower than a fiftieth of the page goes), and
// never taken darker than half the brightest paper, so that a large black area
// stays black.
cv::Mat1b evenlyLit(const cv::Mat1b &grey)
{
    cv::Mat1b paper;
    cv::resize(grey, paper, cv::Size(), 0.25, 0.25, cv::INTER_AREA);
    const int side = std::max(3, std::max(paper.cols, paper.rows) / 50) | 1;
    cv::morphologyEx(paper, paper, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(side, side)));
    cv::blur(paper, paper, cv::Size(side, side));
    double brightest = 0;
    cv::minMaxLoc(paper, nullptr, &brightest);
    paper = cv::max(paper, brightest / 2);
    cv::resize(paper, paper, grey.size(), 0, 0, cv::INTER_LINEAR);
    cv::Mat1b even;
    cv::divide(grey, paper, even, brightest);
    return even;
}

// Once the light is even, Otsu's threshold splits ink from paper; the cut then
// sits halfway between it and the paper's mean, so the grey fringe of a thin
// anti-aliased stroke (a quarter covered or more) still counts as ink.
cv::Mat1b threshold(const cv::Mat1b &picture)
{
    const cv::Mat1b grey = evenlyLit(picture);
    cv::Mat1b unused;
    const double otsu = cv::threshold(grey, unused, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    const cv::Mat1b paper = grey > otsu;
    if (cv::countNonZero(paper) == 0)
        return cv::Mat1b::zeros(grey.size());
    const double cut = (otsu + cv::mean(grey, paper)[0]) / 2;
    return grey <= cut;
}

// The white areas a 4-connected fill sees, labelled from 1 (black is 0).
struct Areas {
    cv::Mat1i label;
    std::vector<int> size;      // per label
    std::vector<bool> touching; // per label: reaches the picture's edge
};

Areas whiteAreas(const cv::Mat1b &ink)
{
    Areas areas;
    cv::Mat stats, centroids;
    const int n = cv::connectedComponentsWithStats(ink == 0, areas.label, stats, centroids, 4);
    areas.size.resize(size_t(n));
    areas.touching.resize(size_t(n));
    for (int i = 1; i < n; ++i) {
        const int left = stats.at<int>(i, cv::CC_STAT_LEFT);
        const int top = stats.at<int>(i, cv::CC_STAT_TOP);
        areas.size[size_t(i)] = stats.at<int>(i, cv::CC_STAT_AREA);
        areas.touching[size_t(i)] = left == 0 || top == 0 ||
                                    left + stats.at<int>(i, cv::CC_STAT_WIDTH) == ink.cols ||
                                    top + stats.at<int>(i, cv::CC_STAT_HEIGHT) == ink.rows;
    }
    return areas;
}

// Removes black specks smaller than `least` pixels and fills closed white
// holes smaller than that; gives how many pieces went.
int removeTinyPieces(cv::Mat1b &ink, int least)
{
    cv::Mat1i label;
    cv::Mat stats, centroids;
    const int n = cv::connectedComponentsWithStats(ink, label, stats, centroids, 8);
    std::vector<uchar> speck(size_t(n), 0);
    int removed = 0;
    for (int i = 1; i < n; ++i)
        if (stats.at<int>(i, cv::CC_STAT_AREA) < least) {
            speck[size_t(i)] = 1;
            ++removed;
        }
    const Areas holes = whiteAreas(ink);
    std::vector<uchar> hole(holes.size.size(), 0);
    for (size_t i = 1; i < holes.size.size(); ++i)
        if (!holes.touching[i] && holes.size[i] < least) {
            hole[i] = 1;
            ++removed;
        }
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x) {
            if (speck[size_t(label(y, x))])
                ink(y, x) = 0;
            else if (hole[size_t(holes.label(y, x))])
                ink(y, x) = 255;
        }
    return removed;
}

// Closes gaps of up to `gap` pixels. A morphological closing bridges them, but
// it also rounds corners and fills narrow notches; of what it adds, only the
// pieces that separate two white areas are kept. Gives how many were kept.
int closeGaps(cv::Mat1b &ink, int gap, int least)
{
    const int radius = std::min((gap + 1) / 2, 60);
    if (radius == 0)
        return 0;
    cv::Mat1b closed;
    const cv::Mat disc =
        cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * radius + 1, 2 * radius + 1));
    cv::morphologyEx(ink, closed, cv::MORPH_CLOSE, disc, cv::Point(-1, -1), 1, cv::BORDER_CONSTANT,
                     cv::Scalar(0));
    const cv::Mat1b added = closed & ~ink;
    cv::Mat1i piece;
    const int pieces = cv::connectedComponents(added, piece, 8);
    const Areas areas = whiteAreas(closed);
    // Per piece: the first large white area found beside it, and whether another one was.
    std::vector<int> firstArea(size_t(pieces), 0);
    std::vector<uchar> separates(size_t(pieces), 0);
    const auto look = [&](int p, int x, int y) {
        if (x < 0 || y < 0 || x >= ink.cols || y >= ink.rows)
            return;
        const int a = areas.label(y, x);
        if (a == 0 || areas.size[size_t(a)] < least)
            return;
        int &first = firstArea[size_t(p)];
        if (first == 0)
            first = a;
        else if (first != a)
            separates[size_t(p)] = 1;
    };
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x)
            if (const int p = piece(y, x); p != 0) {
                look(p, x - 1, y);
                look(p, x + 1, y);
                look(p, x, y - 1);
                look(p, x, y + 1);
            }
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x)
            if (separates[size_t(piece(y, x))])
                ink(y, x) = 255;
    return int(std::count(separates.begin(), separates.end(), 1));
}

// Makes every black pixel part of an all-black 3 x 3 square: black pixels that
// are in none grow by one pixel all round. False when all already were.
bool thickenToThree(cv::Mat1b &ink)
{
    const cv::Mat square = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3));
    cv::Mat1b inSquares, grown;
    cv::morphologyEx(ink, inSquares, cv::MORPH_OPEN, square, cv::Point(-1, -1), 1,
                     cv::BORDER_CONSTANT, cv::Scalar(0));
    const cv::Mat1b thin = ink & ~inSquares;
    if (cv::countNonZero(thin) == 0)
        return false;
    cv::dilate(thin, grown, square);
    ink |= grown;
    return true;
}

// Fills closed white areas too small for a child to fill. False when there were none.
bool fillSmallAreas(cv::Mat1b &ink)
{
    const Areas areas = whiteAreas(ink);
    bool any = false;
    std::vector<uchar> small(areas.size.size(), 0);
    for (size_t i = 1; i < areas.size.size(); ++i)
        if (!areas.touching[i] && areas.size[i] < smallestArea)
            small[i] = 1, any = true;
    if (any)
        for (int y = 0; y < ink.rows; ++y)
            for (int x = 0; x < ink.cols; ++x)
                if (small[size_t(areas.label(y, x))])
                    ink(y, x) = 255;
    return any;
}

// Shrinking with the AND rule never opens an area, but a narrow area can vanish
// and an area with a narrow neck can split in two. Such areas take the shrunk
// drawing's black: each of their pixels whose shrunk pixel is black turns black,
// so the drawing has the same areas as its shrunk self. False when no area changes.
bool keepAreasThroughShrink(cv::Mat1b &ink, QSize canvas)
{
    if (canvas.width() >= ink.cols || canvas.height() >= ink.rows)
        return false; // not a shrink
    const cv::Mat1b shrunk =
        inkOf(stretchImage(pictureOf(ink), canvas.width(), canvas.height(), StretchMode::And));
    const Areas before = whiteAreas(ink);
    const Areas after = whiteAreas(shrunk);
    // Each shrunk area lies in exactly one area of the drawing (its pixels stand
    // for all-white blocks); count how many land in each.
    std::vector<int> firstShrunk(before.size.size(), 0);
    std::vector<uchar> broken(before.size.size(), 1); // none landed yet: vanished
    for (int y = 0; y < shrunk.rows; ++y)
        for (int x = 0; x < shrunk.cols; ++x) {
            const int a = after.label(y, x);
            if (a == 0)
                continue;
            const int b = before.label(y * ink.rows / shrunk.rows, x * ink.cols / shrunk.cols);
            int &first = firstShrunk[size_t(b)];
            if (first == 0) {
                first = a;
                broken[size_t(b)] = 0;
            } else if (first != a) {
                broken[size_t(b)] = 1; // split
            }
        }
    std::vector<int> column(size_t(ink.cols));
    for (int x = 0; x < ink.cols; ++x)
        column[size_t(x)] = shrunkPixelCovering(x, ink.cols, shrunk.cols);
    bool changed = false;
    for (int y = 0; y < ink.rows; ++y) {
        const int row = shrunkPixelCovering(y, ink.rows, shrunk.rows);
        for (int x = 0; x < ink.cols; ++x) {
            const int b = before.label(y, x);
            if (b != 0 && broken[size_t(b)] && shrunk(row, column[size_t(x)])) {
                ink(y, x) = 255;
                changed = true;
            }
        }
    }
    return changed;
}

QSize fittedInside(QSize size, QSize box)
{
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The lines of a picture at twice the size they will have in the drawing
// (shrinking them with the AND rule later keeps every line however thin):
// black and white, specks and pinholes gone.
struct Lines {
    cv::Mat1b ink;
    QSize inner;        // the size the lines will have in the drawing
    double scale = 1;   // of the working size to the picture
    int speck = 4;      // pixels of the working size: smaller pieces are specks
    int tinyPieces = 0; // specks and pinholes removed
};

Lines findLines(const QImage &picture)
{
    Lines lines;
    lines.inner = fittedInside(picture.size(), importedDrawingSize - QSize(2, 2) * margin);
    const QSize working = lines.inner * 2;
    lines.scale = double(working.width()) / picture.width();
    cv::Mat1b grey = greyOf(picture);
    cv::resize(grey, grey, cv::Size(working.width(), working.height()), 0, 0,
               lines.scale < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
    lines.ink = threshold(grey);
    const double side = std::max(working.width(), working.height()) / 400.0;
    lines.speck = std::max(4, int(std::lround(side * side)));
    lines.tinyPieces = removeTinyPieces(lines.ink, lines.speck);
    return lines;
}

// The part of the picture that holds its lines, with a little white around.
QRect linesWithMargin(const Lines &lines, QRect picture)
{
    std::vector<cv::Point> black;
    cv::findNonZero(lines.ink, black);
    const cv::Rect box = cv::boundingRect(black);
    const QRectF found(box.x / lines.scale, box.y / lines.scale, box.width / lines.scale,
                       box.height / lines.scale);
    const double room = 0.03 * std::max(found.width(), found.height()) + 2;
    return found.adjusted(-room, -room, room, room).toAlignedRect() & picture;
}

CleanedDrawing refused(const QString &why)
{
    CleanedDrawing result;
    result.refusal = why;
    return result;
}

} // namespace

int defaultGap(QSize pictureSize)
{
    return std::max(4,
                    int(std::lround(std::max(pictureSize.width(), pictureSize.height()) / 200.0)));
}

CleanedDrawing cleanLineArt(const QImage &picture, int gap, QSize smallCanvas)
{
    if (picture.isNull())
        return refused("imagen vacía / empty picture");
    Lines lines = findLines(picture);
    if (cv::countNonZero(lines.ink) == 0) {
        CleanedDrawing blank = refused("no tiene líneas / has no lines");
        blank.blank = true;
        return blank;
    }
    if (lines.tinyPieces > mostTinyPieces)
        return refused(QString("no parece un dibujo de líneas: %1 manchas y zonas diminutas / does "
                               "not look like line art: %1 tiny specks and areas")
                           .arg(lines.tinyPieces));
    // White margins are dropped, so that the lines fill the drawing.
    const QRect kept = linesWithMargin(lines, picture.rect());
    if (kept != picture.rect())
        lines = findLines(picture.copy(kept));
    const QSize inner = lines.inner;
    cv::Mat1b &ink = lines.ink;

    CleanedDrawing result;
    result.gapsClosed = closeGaps(ink, int(std::lround(gap * lines.scale)), lines.speck);

    const QImage shrunk =
        stretchImage(pictureOf(ink), inner.width(), inner.height(), StretchMode::And);
    cv::Mat1b drawing = cv::Mat1b::zeros(importedDrawingSize.height(), importedDrawingSize.width());
    const QPoint at((importedDrawingSize.width() - inner.width()) / 2,
                    (importedDrawingSize.height() - inner.height()) / 2);
    inkOf(shrunk).copyTo(drawing(cv::Rect(at.x(), at.y(), inner.width(), inner.height())));

    for (int round = 0; round < 20; ++round) {
        bool changed = thickenToThree(drawing);
        changed |= fillSmallAreas(drawing);
        changed |= keepAreasThroughShrink(drawing, smallCanvas);
        if (!changed)
            break;
    }

    const double inkShare = double(cv::countNonZero(drawing)) / double(drawing.total());
    if (inkShare > mostInk)
        return refused(QString("no parece un dibujo de líneas: %1 % de tinta / does not look like "
                               "line art: %1 % ink")
                           .arg(int(std::lround(inkShare * 100))));
    const Areas areas = whiteAreas(drawing);
    for (size_t i = 1; i < areas.size.size(); ++i)
        result.closedAreas += !areas.touching[i];
    result.drawing = pictureOf(drawing);
    return result;
}
