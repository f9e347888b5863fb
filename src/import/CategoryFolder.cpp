#include "import/CategoryFolder.h"

#include "canvas/FloodFill.h"
#include "platform/FileSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QTemporaryFile>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QSize logoSize(65, 67); // as the program's own category logos

// Cheerful colours for the largest areas of a logo.
constexpr QRgb logoColours[] = {0xFFFFB74D, 0xFF81C784, 0xFF64B5F6,
                                0xFFF06292, 0xFFFFF176, 0xFFBA68C8};

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Moves `from` to `to` unless `to` exists, in one step where the file system allows it.
bool renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without that kind of rename (FAT on a memory stick).
    struct stat existing;
    if (::lstat(target.constData(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

struct ClosedArea {
    QPoint seed;
    qsizetype size = 0;
};

// The areas of a black and white drawing that a fill started inside cannot leave.
std::vector<ClosedArea> closedAreas(const QImage &drawing)
{
    QImage marked = drawing.convertToFormat(QImage::Format_RGB32);
    const QRect whole = marked.rect();
    std::vector<ClosedArea> areas;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            if (marked.pixel(x, y) != 0xFFFFFFFF)
                continue;
            const FillRegion region = floodFillSurface(marked, {x, y}, 0xFF808080);
            if (region.bounds.left() == whole.left() || region.bounds.top() == whole.top() ||
                region.bounds.right() == whole.right() || region.bounds.bottom() == whole.bottom())
                continue;
            ClosedArea area{{x, y}, 0};
            for (const FillSpan &span : region.spans)
                area.size += span.x2 - span.x1 + 1;
            areas.push_back(area);
        }
    return areas;
}

} // namespace

QString categoryNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return "el nombre de la categoría está vacío / the category name is empty";
    if (name == "." || name == "..")
        return "«" + name + "» no puede ser una categoría / cannot be a category";
    for (const QChar c : name)
        if (c == '/' || c == '\\' || c.category() == QChar::Other_Control)
            return "el nombre de una categoría no puede tener «/», «\\» ni caracteres de control / "
                   "a category name cannot contain \"/\", \"\\\" or control characters";
    if (QFile::encodeName(name + ".gif").size() > 255)
        return "el nombre de la categoría es demasiado largo / the category name is too long";
    return {};
}

CategoryFolder locateCategory(const QString &appFolder, const QString &name)
{
    CategoryFolder category;
    category.name = name;
    const QDir app(appFolder);
    // The category of a logo is its name less the last four characters.
    const QStringList logos = QDir(app.filePath("logos")).entryList(QDir::Files, QDir::Name);
    for (const QString &logo : logos)
        if (logo.size() > 4 && sameName(logo.chopped(4), name)) {
            category.name = logo.chopped(4);
            category.hasLogo = true;
            break;
        }
    if (!category.hasLogo) {
        const QStringList folders =
            QDir(app.filePath("dibujos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        const auto found = std::find_if(folders.begin(), folders.end(),
                                        [&](const QString &f) { return sameName(f, name); });
        if (found != folders.end())
            category.name = *found;
        category.logoPath = app.filePath("logos/" + category.name + ".gif");
    }
    category.drawings = app.filePath("dibujos/" + category.name);
    return category;
}

QList<int> freeDrawingNumbers(const QString &folder, int count)
{
    const FolderListing listing(folder);
    QList<int> numbers;
    for (int n = 1; numbers.size() < count; ++n)
        if (listing.find(QString::number(n) + ".gif").isEmpty())
            numbers << n;
    return numbers;
}

bool writeNewFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + "/.tintaro-import-XXXXXX.tmp");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush() ||
        ::fchmod(temporary.handle(), 0666 & ~mask) != 0 || ::fsync(temporary.handle()) != 0) {
        *error = temporary.errorString();
        return false;
    }
    if (!renameWithoutReplacing(temporary.fileName(), target.absoluteFilePath())) {
        *error = errno == EEXIST ? QString("ya existe / already exists")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

QImage logoFromDrawing(const QImage &drawing)
{
    QImage coloured = drawing.convertToFormat(QImage::Format_RGB32);
    std::vector<ClosedArea> areas = closedAreas(coloured);
    std::sort(areas.begin(), areas.end(),
              [](const ClosedArea &a, const ClosedArea &b) { return a.size > b.size; });
    for (size_t i = 0; i < areas.size() && i < std::size(logoColours); ++i)
        floodFillSurface(coloured, areas[i].seed, logoColours[i]);

    int left = coloured.width(), top = coloured.height(), right = -1, bottom = -1;
    for (int y = 0; y < coloured.height(); ++y)
        for (int x = 0; x < coloured.width(); ++x)
            if (coloured.pixel(x, y) != 0xFFFFFFFF) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const QRect ink = right < 0 ? coloured.rect() : QRect(QPoint(left, top), QPoint(right, bottom));
    QImage cropped = coloured.copy(ink);
    // The lines would fade to grey in so small a picture: they are widened
    // first (a minimum filter, under which black wins) to about a third of
    // the shrink factor on each side.
    const QSize room = logoSize - QSize(4, 4);
    const double factor =
        std::max(double(cropped.width()) / room.width(), double(cropped.height()) / room.height());
    if (const int radius = int(factor / 3); radius > 0) {
        cv::Mat pixels(cropped.height(), cropped.width(), CV_8UC4, cropped.bits(),
                       size_t(cropped.bytesPerLine()));
        cv::erode(
            pixels, pixels,
            cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * radius + 1, 2 * radius + 1)));
    }
    const QImage fitted = cropped.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage logo(logoSize, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.drawImage((logoSize.width() - fitted.width()) / 2,
                      (logoSize.height() - fitted.height()) / 2, fitted);
    return logo;
}
