#include "import/ReadPages.h"

#include "platform/FileSearch.h"
#include "platform/PictureIO.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include <poppler-qt6.h>

namespace
{

constexpr qint64 largestVectorFile = 64 * 1024 * 1024;

QImage onWhite(const QImage &picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

QSize fitted(QSizeF size, QSize box)
{
    if (size.width() <= 0 || size.height() <= 0)
        return box;
    return size.scaled(QSizeF(box), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
}

bool looksLikePdf(const QByteArray &head)
{
    // Readers accept a little rubbish before the header, so the header is
    // looked for in the first kilobyte.
    return head.left(1024).contains("%PDF-");
}

bool looksLikeSvg(const QByteArray &head)
{
    if (head.startsWith("\x1f\x8b")) // compressed SVG
        return true;
    const QByteArray text = head.startsWith("\xef\xbb\xbf") ? head.mid(3) : head;
    return text.trimmed().startsWith('<') && text.contains("<svg");
}

SourcePages failed(const QString &why)
{
    SourcePages result;
    result.error = why;
    return result;
}

SourcePages readSvg(const QString &path, QSize drawnSize)
{
    QFile file(path);
    if (file.size() > largestVectorFile)
        return failed("el SVG es demasiado grande / the SVG is too large");
    if (!file.open(QIODevice::ReadOnly))
        return failed("no se puede leer / cannot be read: " + file.errorString());
    QSvgRenderer renderer(file.readAll());
    if (!renderer.isValid())
        return failed("no es un SVG válido / is not a valid SVG");
    QImage page(fitted(renderer.viewBoxF().size(), drawnSize), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(page.rect()));
    SourcePages result;
    result.pages << page;
    return result;
}

SourcePages readPdf(const QString &path, QSize drawnSize)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document)
        return failed("no es un PDF legible / is not a readable PDF");
    if (document->isLocked())
        return failed("el PDF tiene contraseña / the PDF is protected by a password");
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    SourcePages result;
    result.isPdf = true;
    for (int i = 0; i < document->numPages(); ++i) {
        const std::unique_ptr<Poppler::Page> page = document->page(i);
        const QSizeF points = page ? page->pageSizeF() : QSizeF();
        if (points.isEmpty())
            return failed(QString("la página %1 está dañada / page %1 is damaged").arg(i + 1));
        const QSize pixels = fitted(points, drawnSize);
        const double dpi = 72.0 * pixels.width() / points.width();
        const QImage rendered = page->renderToImage(dpi, dpi);
        if (rendered.isNull())
            return failed(
                QString("no se puede dibujar la página %1 / cannot draw page %1").arg(i + 1));
        result.pages << onWhite(rendered);
    }
    if (result.pages.isEmpty())
        return failed("el PDF no tiene páginas / the PDF has no pages");
    return result;
}

} // namespace

SourcePages readPages(const QString &path, QSize drawnSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed("no existe / does not exist");
    if (info.isDir())
        return failed("es una carpeta / is a folder");
    if (isSpecialFile(path))
        return failed("no es un archivo normal / is not an ordinary file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed("no se puede leer / cannot be read: " + file.errorString());
    const QByteArray head = file.read(4096);
    file.close();
    if (looksLikePdf(head))
        return readPdf(path, drawnSize);
    if (looksLikeSvg(head)) {
        SourcePages svg = readSvg(path, drawnSize);
        if (svg.error.isEmpty() || !head.startsWith("\x1f\x8b"))
            return svg;
    }
    const QImage picture = loadPicture(path);
    if (picture.isNull())
        return failed("no es una imagen (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG o PDF) / is not a "
                      "picture (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG or PDF)");
    SourcePages result;
    result.pages << onWhite(picture);
    return result;
}
