#include "GifWriter.h"

#include <gif_lib.h>

#include <QByteArray>
#include <QFile>
#include <QHash>

#include <memory>

namespace
{

constexpr int transparentIndex = 255;

struct IndexedFrames {
    std::vector<GifColorType> palette;
    std::vector<std::vector<GifByteType>> pixels; // one index per pixel, per frame
    bool hasTransparency = false;
};

bool isTransparent(QRgb c)
{
    return qAlpha(c) < 128;
}

// Exact palette when the opaque colours are few; an empty result otherwise.
IndexedFrames indexExactly(const std::vector<QImage> &frames)
{
    IndexedFrames out;
    QHash<QRgb, int> index;
    for (const QImage &frame : frames) {
        std::vector<GifByteType> indices;
        indices.reserve(size_t(frame.width()) * frame.height());
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb c = frame.pixel(x, y);
                if (isTransparent(c)) {
                    out.hasTransparency = true;
                    indices.push_back(transparentIndex);
                    continue;
                }
                const QRgb opaque = c | 0xFF000000;
                auto it = index.find(opaque);
                if (it == index.end()) {
                    if (index.size() == transparentIndex)
                        return {};
                    it = index.insert(opaque, int(index.size()));
                    out.palette.push_back(
                        {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
                }
                indices.push_back(GifByteType(*it));
            }
        out.pixels.push_back(std::move(indices));
    }
    return out;
}

// Median-cut reduction over all frames at once, so the animation shares one palette.
IndexedFrames indexByQuantizing(const std::vector<QImage> &frames)
{
    const int w = frames.front().width();
    const int h = frames.front().height();
    const size_t n = size_t(w) * h * frames.size();
    std::vector<GifByteType> r(n), g(n), b(n), out(n);
    size_t i = 0;
    for (const QImage &frame : frames)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x, ++i) {
                const QRgb c = frame.pixel(x, y);
                // Transparent pixels take white so they do not pull the palette.
                const QRgb opaque = isTransparent(c) ? 0xFFFFFFFF : c;
                r[i] = GifByteType(qRed(opaque));
                g[i] = GifByteType(qGreen(opaque));
                b[i] = GifByteType(qBlue(opaque));
            }
    int mapSize = transparentIndex;
    std::vector<GifColorType> map(256);
    if (GifQuantizeBuffer(unsigned(w), unsigned(h * frames.size()), &mapSize, r.data(), g.data(),
                          b.data(), out.data(), map.data()) != GIF_OK)
        return {};
    IndexedFrames result;
    result.palette.assign(map.begin(), map.begin() + mapSize);
    i = 0;
    for (const QImage &frame : frames) {
        std::vector<GifByteType> indices(size_t(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x, ++i) {
                const bool clear = isTransparent(frame.pixel(x, y));
                result.hasTransparency |= clear;
                indices[size_t(y) * w + x] = clear ? transparentIndex : out[i];
            }
        result.pixels.push_back(std::move(indices));
    }
    return result;
}

int bitsFor(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

bool putLoopForever(GifFileType *gif)
{
    static const GifByteType name[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, name) == GIF_OK &&
           EGifPutExtensionBlock(gif, 3, loop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType *gif, const std::vector<GifByteType> &indices, int w, int h,
              int delayCentiseconds, bool transparency)
{
    GraphicsControlBlock control{};
    // Each frame is whole, so the previous one must not show through its transparent pixels.
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.DelayTime = delayCentiseconds;
    control.TransparentColor = transparency ? transparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK)
        return false;
    if (EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) != GIF_OK)
        return false;
    for (int y = 0; y < h; ++y) {
        auto *row = const_cast<GifByteType *>(indices.data() + size_t(y) * w);
        if (EGifPutLine(gif, row, w) != GIF_OK)
            return false;
    }
    return true;
}

// giflib hands the encoded bytes to this function, which collects them in memory.
int appendBytes(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

QByteArray encodeGif(const std::vector<QImage> &frames, int delayCentiseconds)
{
    if (frames.empty() || frames.front().isNull())
        return {};
    const int w = frames.front().width();
    const int h = frames.front().height();
    for (const QImage &frame : frames)
        if (frame.size() != frames.front().size())
            return {};

    IndexedFrames indexed = indexExactly(frames);
    if (indexed.pixels.empty())
        indexed = indexByQuantizing(frames);
    if (indexed.pixels.empty())
        return {};

    const int colours =
        indexed.hasTransparency ? transparentIndex + 1 : int(indexed.palette.size());
    const int mapSize = 1 << bitsFor(std::max(colours, 2));
    indexed.palette.resize(size_t(mapSize), GifColorType{255, 255, 255});
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
        GifMakeMapObject(mapSize, indexed.palette.data()), &GifFreeMapObject);

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendBytes, &error));
    if (!gif || !map)
        return {};
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), w, h, bitsFor(mapSize), 0, map.get()) != GIF_OK)
        return {};
    if (frames.size() > 1 && !putLoopForever(gif.get()))
        return {};
    for (const auto &indices : indexed.pixels)
        if (!putFrame(gif.get(), indices, w, h, delayCentiseconds, indexed.hasTransparency))
            return {};
    int closeError = 0;
    if (EGifCloseFile(gif.release(), &closeError) != GIF_OK)
        return {};
    return bytes;
}

bool writeGif(const QString &path, const std::vector<QImage> &frames, int delayCentiseconds)
{
    const QByteArray bytes = encodeGif(frames, delayCentiseconds);
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}
