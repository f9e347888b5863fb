#include "canvas/CursorImage.h"

#include "platform/Stretch.h"

#include <optional>

namespace
{

constexpr int defaultCursorSize = 32;
constexpr QRgb transparentPixel = 0x00000000u;

StretchMode stretchModeFromNumber(int number)
{
    switch (number) {
    case 1:
        return StretchMode::And;
    case 2:
        return StretchMode::Or;
    case 4:
        return StretchMode::Average;
    default:
        return StretchMode::Nearest;
    }
}

std::optional<QRgb> unpackColour(qint64 packed)
{
    if (packed < 0 || packed > 0xffffff)
        return std::nullopt;
    return qRgb(int(packed & 0xff), int((packed >> 8) & 0xff), int((packed >> 16) & 0xff));
}

QRgb *row(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

const QRgb *row(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

QImage fromBitmap(const QImage &source, int width, int height, StretchMode mode,
                  std::optional<QRgb> key)
{
    QImage result =
        stretchImage(source, width, height, mode).convertToFormat(QImage::Format_ARGB32);
    if (!key)
        return result;
    for (int y = 0; y < height; ++y) {
        QRgb *line = row(result, y);
        for (int x = 0; x < width; ++x)
            if (line[x] == *key)
                line[x] = transparentPixel;
    }
    return result;
}

// The icon's mask as a picture of its own (white where visible), scaled like the colours.
QImage fromIcon(const QImage &source, int width, int height)
{
    const QImage icon = source.convertToFormat(QImage::Format_ARGB32);
    QImage visible(icon.size(), QImage::Format_RGB32);
    for (int y = 0; y < icon.height(); ++y) {
        const QRgb *in = row(icon, y);
        QRgb *out = row(visible, y);
        for (int x = 0; x < icon.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? 0xffffffffu : 0xff000000u;
    }
    const QImage mask = stretchImage(visible, width, height, StretchMode::Nearest);
    QImage result = stretchImage(icon, width, height, StretchMode::Nearest)
                        .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const QRgb *shown = row(mask, y);
        QRgb *line = row(result, y);
        for (int x = 0; x < width; ++x)
            if (shown[x] != 0xffffffffu)
                line[x] = transparentPixel;
    }
    return result;
}

} // namespace

QImage makeCursorImage(const QImage &source, int width, int height, int stretchMode,
                       qint64 transparentColour)
{
    width = width > 0 ? width : defaultCursorSize;
    height = height > 0 ? height : defaultCursorSize;
    if (source.isNull()) {
        QImage empty(width, height, QImage::Format_ARGB32);
        empty.fill(transparentPixel);
        return empty;
    }
    if (source.hasAlphaChannel())
        return fromIcon(source, width, height);
    return fromBitmap(source, width, height, stretchModeFromNumber(stretchMode),
                      unpackColour(transparentColour));
}
