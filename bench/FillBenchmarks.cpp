#include "FillBenchmarks.h"

#include "Yardstick.h"
#include "canvas/FloodFill.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace
{

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kFill = 0xFF3080F0; // a colour none of the scenes holds

using Fill = void (*)(QImage &, QPoint);

const QImage &tile()
{
    static const QImage tile = textureTile(QSize(100, 50));
    return tile;
}

void surfaceFill(QImage &image, QPoint press)
{
    benchmark::DoNotOptimize(floodFillSurface(image, press, kFill));
}

void borderFill(QImage &image, QPoint press)
{
    benchmark::DoNotOptimize(floodFillBorder(image, press, kBlack, kFill));
}

void textureFill(QImage &image, QPoint press)
{
    paintRegionWithTexture(image, findSurfaceRegion(image, press), tile());
}

void yardstick(QImage &image, QPoint press)
{
    yardstickFill(image, press, kFill);
}

std::string sceneLabel(const Scene &scene)
{
    return scene.name + "/" + std::to_string(scene.image.width()) + "x" +
           std::to_string(scene.image.height());
}

std::string label(const std::string &kind, const Scene &scene)
{
    return kind + "/" + sceneLabel(scene);
}

// Every iteration starts from the scene's picture again; copying it back is
// not timed.
void measure(benchmark::State &state, const Scene *scene, Fill fill)
{
    QImage canvas = scene->image.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(canvas.bits(), scene->image.constBits(), canvas.sizeInBytes());
        state.ResumeTiming();
        fill(canvas, scene->press);
        benchmark::ClobberMemory();
    }
}

void add(const std::string &name, const Scene &scene, Fill fill)
{
    benchmark::RegisterBenchmark(name.c_str(), measure, &scene, fill)
        ->Unit(benchmark::kMillisecond);
}

std::optional<QPoint> firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x)
            if (a[x] != e[x])
                return QPoint(x, y);
    }
    return std::nullopt;
}

// What a texture fill must give: the tile's pixel wherever the plain fill
// changed the picture, the picture elsewhere.
QImage texturedWhereChanged(const QImage &before, const QImage &filled)
{
    QImage result = before.copy();
    for (int y = 0; y < result.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        const auto *changed = reinterpret_cast<const QRgb *>(filled.constScanLine(y));
        const auto *tileRow =
            reinterpret_cast<const QRgb *>(tile().constScanLine(y % tile().height()));
        for (int x = 0; x < result.width(); ++x)
            if (changed[x] != row[x])
                row[x] = tileRow[x % tile().width()];
    }
    return result;
}

bool matches(const std::string &name, const Scene &scene, Fill fill, const QImage &expected)
{
    QImage actual = scene.image.copy();
    fill(actual, scene.press);
    const std::optional<QPoint> difference = firstDifference(actual, expected);
    if (difference)
        std::fprintf(stderr, "%s differs from cv::floodFill first at (%d, %d)\n", name.c_str(),
                     difference->x(), difference->y());
    return !difference;
}

void describe(const Scene &scene)
{
    const FillRegion region = findSurfaceRegion(scene.image, scene.press);
    long long pixels = 0;
    for (const FillSpan &span : region.spans)
        pixels += span.x2 - span.x1 + 1;
    std::printf("%-18s area of %lld pixels in %zu runs\n", sceneLabel(scene).c_str(), pixels,
                region.spans.size());
}

} // namespace

bool fillsMatchYardstick(const std::vector<Scene> &scenes)
{
    bool allMatch = true;
    for (const Scene &scene : scenes) {
        describe(scene);
        QImage expected = scene.image.copy();
        yardstick(expected, scene.press);
        allMatch &= matches(label("Surface", scene), scene, surfaceFill, expected);
        allMatch &= matches(label("Border", scene), scene, borderFill, expected);
        allMatch &= matches(label("Texture", scene), scene, textureFill,
                            texturedWhereChanged(scene.image, expected));
    }
    return allMatch;
}

std::vector<RatioTarget> registerFillBenchmarks(const std::vector<Scene> &scenes)
{
    std::vector<RatioTarget> targets;
    for (const Scene &scene : scenes) {
        const bool whole = scene.name == "Whole";
        const double limit = scene.name == "Maze" ? 1.0 : 0.6;
        const std::string reference = label("OpenCV", scene);
        if (yardstickAvailable())
            add(reference, scene, yardstick);
        add(label("Surface", scene), scene, surfaceFill);
        add(label("Border", scene), scene, borderFill);
        targets.push_back({label("Surface", scene), reference, limit});
        targets.push_back({label("Border", scene), reference, limit});
        if (whole) {
            add(label("Texture", scene), scene, textureFill);
            targets.push_back({label("Texture", scene), reference, 1.0});
        }
    }
    return targets;
}
