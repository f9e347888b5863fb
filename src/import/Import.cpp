#include "import/Import.h"

#include "import/CategoryFolder.h"
#include "import/CleanLineArt.h"
#include "import/GifWriter.h"
#include "import/ReadPages.h"
#include "layout/Placement.h"
#include "platform/FileSearch.h"
#include "platform/PictureIO.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>
#include <vector>

namespace
{

// The smallest screen the drawings are made for: stretched to its canvas with
// the AND rule, every area must stay as it is.
const QSize smallScreen(1024, 768);

struct Planned {
    QString source;
    int page = 0;  // from 1, for a PDF
    int pages = 0; // of the PDF; 0 for a single picture
    CleanedDrawing cleaned;
};

QString described(const Planned &p)
{
    if (p.pages == 0)
        return p.source;
    return QString("%1, page %2 of %3").arg(p.source).arg(p.page).arg(p.pages);
}

// Reads and cleans one file; false (with the reasons given) when it gives no drawing.
bool plan(const QString &file, int gap, std::vector<Planned> &planned, QTextStream &errors)
{
    const QSize smallCanvas = stretchedCanvasPixels(smallScreen);
    bool ok = true;
    bool any = false;
    const auto take = [&](const QImage &page, int number, int pages, double scale) {
        Planned p{file, number, pages, {}};
        // A gap asked for is in pixels of the picture as the teacher has it.
        const int pageGap = gap >= 0 ? int(std::lround(gap * scale)) : defaultGap(page.size());
        p.cleaned = cleanLineArt(page, pageGap, smallCanvas);
        if (p.cleaned.blank && pages > 1) {
            errors << "tintaro-import: " << described(p)
                   << ": página en blanco, se omite / blank page, skipped\n";
            return;
        }
        if (!p.cleaned.refusal.isEmpty()) {
            errors << "tintaro-import: " << described(p) << ": " << p.cleaned.refusal << "\n";
            ok = false;
            return;
        }
        // One bit per pixel: a long PDF must not fill the memory.
        p.cleaned.drawing =
            p.cleaned.drawing.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        planned.push_back(p);
        any = true;
    };
    const QString unreadable = readPages(file, vectorPageSize, take);
    if (!unreadable.isEmpty()) {
        errors << "tintaro-import: " << file << ": " << unreadable << "\n";
        return false;
    }
    if (ok && !any) {
        errors << "tintaro-import: " << file
               << ": ninguna página tiene líneas / no page has any lines\n";
        return false;
    }
    return ok;
}

QImage firstDrawing(const CategoryFolder &category, const QList<int> &numbers,
                    const std::vector<Planned> &planned)
{
    if (numbers.first() == 1)
        return planned.front().cleaned.drawing;
    return loadPicture(category.drawings + "/1.gif");
}

} // namespace

int runImport(const ImportRequest &request, QTextStream &report, QTextStream &errors)
{
    const QString problem = categoryNameProblem(request.category);
    if (!problem.isEmpty()) {
        errors << "tintaro-import: " << problem << "\n";
        return 1;
    }
    if (!QFileInfo(request.appFolder).isDir()) {
        errors << "tintaro-import: " << request.appFolder
               << ": la carpeta de Tintaro no existe / Tintaro's folder does not exist\n";
        return 1;
    }

    std::vector<Planned> planned;
    bool ok = true;
    for (const QString &file : request.files)
        ok &= plan(file, request.gap, planned, errors);
    if (!ok) {
        errors << "tintaro-import: no se ha escrito nada / nothing was written\n";
        return 1;
    }

    const CategoryFolder category = locateCategory(request.appFolder, request.category);
    const QList<int> numbers = freeDrawingNumbers(category.drawings, int(planned.size()));
    QStringList folders{category.drawings};
    if (!category.hasLogo)
        folders << QFileInfo(category.logoPath).path();
    if (!request.dryRun) {
        for (const QString &folder : folders)
            if (!QDir().mkpath(folder)) {
                errors << "tintaro-import: " << folder
                       << ": no se puede crear la carpeta / cannot create the folder\n";
                return 1;
            }
    }
    const QDir app(request.appFolder);
    for (size_t i = 0; i < planned.size(); ++i) {
        const Planned &p = planned[i];
        const QString path = category.drawings + "/" + QString::number(numbers[int(i)]) + ".gif";
        QString why;
        if (!request.dryRun && !writeNewFile(path, encodeGif({p.cleaned.drawing}), &why)) {
            errors << "tintaro-import: " << path
                   << ": no se puede escribir / cannot be written: " << why << "\n";
            return 1;
        }
        report << app.relativeFilePath(path) << ": " << p.cleaned.drawing.width() << " x "
               << p.cleaned.drawing.height() << ", " << p.cleaned.closedAreas << " closed areas, "
               << p.cleaned.gapsClosed << " gaps closed, from " << described(p) << "\n";
    }
    if (!category.hasLogo) {
        QString why;
        const QImage logo = logoFromDrawing(firstDrawing(category, numbers, planned));
        if (!request.dryRun && !writeNewFile(category.logoPath, encodeGif({logo}), &why)) {
            errors << "tintaro-import: " << category.logoPath
                   << ": no se puede escribir / cannot be written: " << why << "\n";
            return 1;
        }
        report << app.relativeFilePath(category.logoPath) << ": logo of the new category "
               << category.name << "\n";
    }
    if (request.dryRun)
        report << "--dry-run: no se ha escrito nada / nothing was written\n";
    return 0;
}
