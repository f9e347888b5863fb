#include "import/ReadPages.h"

#include "platform/FileSearch.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <poppler-qt6.h>

#include <cmath>

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

QString readSvg(const QString &path, QSize drawnSize, const PageTaker &take)
{
    QFile file(path);
    if (file.size() > largestVectorFile)
        return QString("el SVG es demasiado grande / the SVG is too large");
    if (!file.open(QIODevice::ReadOnly))
        return QString("no se puede leer / cannot be read: " + file.errorString());
    QSvgRenderer renderer(file.readAll());
    if (!renderer.isValid())
        return QString("no es un SVG válido / is not a valid SVG");
    QImage page(fitted(renderer.viewBoxF().size(), drawnSize), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(page.rect()));
    painter.end();
    take(page, 1, 0, 1.0);
    return {};
}

QString readPdf(const QString &path, QSize drawnSize, const PageTaker &take)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document)
        return QString("no es un PDF legible / is not a readable PDF");
    if (document->isLocked())
        return QString("el PDF tiene contraseña / the PDF is protected by a password");
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const int pages = document->numPages();
    if (pages == 0)
        return "el PDF no tiene páginas / the PDF has no pages";
    for (int i = 0; i < pages; ++i) {
        const std::unique_ptr<Poppler::Page> page = document->page(i);
        const QSizeF points = page ? page->pageSizeF() : QSizeF();
        if (points.isEmpty())
            return QString("la página %1 está dañada / page %1 is damaged").arg(i + 1);
        const QSize pixels = fitted(points, drawnSize);
        const double dpi = 72.0 * pixels.width() / points.width();
        const QImage rendered = page->renderToImage(dpi, dpi);
        if (rendered.isNull())
            return QString("no se puede dibujar la página %1 / cannot draw page %1").arg(i + 1);
        take(onWhite(rendered), i + 1, pages, 1.0);
    }
    return {};
}

// The reader's current picture, scaled down to largestPicturePixels when it
// has more; null, with why in `problem`, when it cannot be read.
QImage readFrame(QImageReader &reader, double &scale, QString &problem)
{
    const QSize size = reader.size();
    const double pixels = double(size.width()) * size.height();
    scale = size.isValid() && pixels > largestPicturePixels
                ? std::sqrt(largestPicturePixels / pixels)
                : 1.0;
    reader.setScaledSize(scale < 1.0 ? (QSizeF(size) * scale).toSize().expandedTo(QSize(1, 1))
                                     : QSize());
    QImage picture;
    if (reader.read(&picture) && !picture.isNull())
        return picture;
    problem = scale < 1.0 && pixels * 4 > 1024.0 * 1024 * 1024
                  ? QString("es demasiado grande (%1 x %2) / is too large")
                        .arg(size.width())
                        .arg(size.height())
                  : QString("no es una imagen (PNG, JPEG, BMP, GIF, WebP, TIFF, SVG o PDF) o "
                            "está dañada / is not a picture (PNG, JPEG, BMP, GIF, WebP, TIFF, "
                            "SVG or PDF) or is damaged");
    return {};
}

// A picture's first frame, or each page of a TIFF (a scanner's document feeder
// makes one of a stack of sheets); the frames of an animation are not pages.
// The reader holds a whole picture for a moment: its own limit (128 MiB) turns
// away a page scanned at 600 dots an inch, or in 16 bits a colour at 300, so
// it is raised to 1 GiB here.
QString readPictures(const QString &path, const PageTaker &take)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const bool tiff = reader.format() == "tiff" || reader.format() == "tif";
    const int pages = tiff && reader.imageCount() > 1 ? reader.imageCount() : 0;
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(limit == 0 ? 0 : std::max(limit, 1024)); // 0: none
    QString problem;
    for (int page = 0; page < std::max(pages, 1) && problem.isEmpty(); ++page) {
        double scale = 1.0;
        const QImage picture =
            page == 0 || reader.jumpToImage(page) ? readFrame(reader, scale, problem) : QImage();
        if (picture.isNull() && pages > 0)
            problem = QString("la página %1 está dañada / page %1 is damaged").arg(page + 1);
        else if (!picture.isNull())
            take(onWhite(picture), page + 1, pages, scale);
    }
    QImageReader::setAllocationLimit(limit);
    return problem;
}

} // namespace

QString readPages(const QString &path, QSize drawnSize, const PageTaker &take)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString("no existe / does not exist");
    if (info.isDir())
        return QString("es una carpeta / is a folder");
    if (isSpecialFile(path))
        return QString("no es un archivo normal / is not an ordinary file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("no se puede leer / cannot be read: " + file.errorString());
    const QByteArray head = file.read(4096);
    file.close();
    if (looksLikePdf(head))
        return readPdf(path, drawnSize, take);
    if (looksLikeSvg(head)) {
        const QString svg = readSvg(path, drawnSize, take);
        if (svg.isEmpty() || !head.startsWith("\x1f\x8b"))
            return svg; // a compressed file that is no SVG may still be a picture
    }
    return readPictures(path, take);
}
