#include "app/Form1.h"

#include "platform/FileSearch.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

void Form1::Form_Paint()
{
    TileBackground(appPath(QStringLiteral("\\fondo.jpg")));
}

void Form1::TileBackground(const QString &path)
{
    BackgroundCache &cache = backgroundCache;
    if (cache.backgroundPicture.isNull()) {
        // A picture still missing after the one report is not asked for again:
        // the window simply has no background until the next start.
        if (cache.failureReported)
            return;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QImage picture;
        // A pipe under the picture's name would block the window for good.
        if (isSpecialFile(path) || !reader.read(&picture)) {
            cache.failureReported = true;
            const QString text = QStringLiteral("No encuentro la imagen de fondo \r\nERROR: ") +
                                 reader.errorString();
            // Never open a modal box inside a paint event: show it right after.
            QTimer::singleShot(0, this, [this, text] {
                if (showMessage)
                    showMessage(text);
            });
            return;
        }
        cache.backgroundPicture = picture.convertToFormat(QImage::Format_RGB32);
        cache.tileWidth = static_cast<qint32>(roundHalfEven(pixelsToTwips(picture.width())));
        cache.tileHeight = static_cast<qint32>(roundHalfEven(pixelsToTwips(picture.height())));
    }
    if (cache.tileWidth <= 0 || cache.tileHeight <= 0)
        return;
    // Copies at x = 0, w, 2w ... while x <= the inner width (likewise down),
    // laid in one tiled paint: a 1-pixel picture must not cost a call per pixel.
    const QSize tile(twipsToPixels(cache.tileWidth), twipsToPixels(cache.tileHeight));
    if (tile.isEmpty())
        return;
    if (cache.tilePixmap.isNull())
        cache.tilePixmap = QPixmap::fromImage(cache.backgroundPicture.scaled(tile));
    QPainter painter(this);
    painter.drawTiledPixmap(QRect(0, 0, width() + tile.width(), height() + tile.height()),
                            cache.tilePixmap);
}
