#include "SvgPictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace
{

QImage renderSvgData(const QByteArray &svg, QSize size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QByteArray hiddenGroup(int frame)
{
    return QByteArray("id=\"frame") + QByteArray::number(frame) + "\" display=\"none\"";
}

} // namespace

QImage renderPicture(const QString &svgPath, QSize size)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return renderSvgData(file.readAll(), size);
}

std::vector<QImage> renderFrames(const QString &svgPath, QSize size)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray svg = file.readAll();
    std::vector<QImage> frames;
    for (int k = 1; svg.contains(hiddenGroup(k)); ++k) {
        QByteArray shown = svg;
        shown.replace(hiddenGroup(k), QByteArray("id=\"frame") + QByteArray::number(k) + "\"");
        frames.push_back(renderSvgData(shown, size));
        if (frames.back().isNull())
            return {};
    }
    return frames;
}
