#include "DefaultContent.h"

#include "GifWriter.h"
#include "LineArt.h"
#include "Patterns.h"
#include "Sounds.h"
#include "SvgPictures.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <atomic>
#include <functional>
#include <thread>

namespace
{

const QSize drawingSize(1000, 700);
const QSize logoSize(65, 67);
const QSize textureSize(97, 73);
const QSize paletteSize(92, 690);
const QSize backgroundSize(160, 160);

using Job = std::function<bool()>;

bool report(bool ok, const QString &what)
{
    if (!ok)
        QTextStream(stderr) << "cannot write " << what << "\n";
    return ok;
}

// The rendering is independent per file, so it is spread over the cores.
bool runAll(const std::vector<Job> &jobs)
{
    std::atomic<size_t> next = 0;
    std::atomic<bool> ok = true;
    const auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++)
            if (!jobs[i]())
                ok = false;
    };
    std::vector<std::thread> threads;
    const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < count; ++t)
        threads.emplace_back(worker);
    for (std::thread &t : threads)
        t.join();
    return ok;
}

QStringList sorted(const QDir &dir, const QStringList &filters, QDir::Filters kind)
{
    return dir.entryList(filters, kind, QDir::Name | QDir::IgnoreCase);
}

// Numbered drawings beyond the current count would be shown as extra drawings.
void removeStaleDrawings(const QString &folder, int count)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({"*.gif"}, QDir::Files)) {
        bool isNumber = false;
        const int n = name.chopped(4).toInt(&isNumber);
        if (isNumber && n > count)
            QFile::remove(dir.filePath(name));
    }
}

void addCategoryJobs(std::vector<Job> &jobs, const QString &artworkDir, const QString &appDir)
{
    const QDir logoSources(artworkDir + "/logos");
    const QString logoFolder = appDir + "/logos";
    // A logo left from a renamed category would show as a category without drawings.
    QDir(logoFolder).removeRecursively();
    QDir().mkpath(logoFolder);
    const QDir drawingSources(artworkDir + "/drawings");
    for (const QString &category : sorted(drawingSources, {}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString logoSvg = logoSources.filePath(category + ".svg");
        const QString logoGif = logoFolder + "/" + category + ".gif";
        jobs.push_back(
            [=] { return report(writeGif(logoGif, {renderPicture(logoSvg, logoSize)}), logoGif); });
        const QString folder = appDir + "/dibujos/" + category;
        QDir().mkpath(folder);
        const QDir sources(drawingSources.filePath(category));
        const QStringList svgs = sorted(sources, {"*.svg"}, QDir::Files);
        removeStaleDrawings(folder, int(svgs.size()));
        for (int i = 0; i < svgs.size(); ++i) {
            const QString svg = sources.filePath(svgs[i]);
            const QString gif = folder + "/" + QString::number(i + 1) + ".gif";
            jobs.push_back([=] {
                const QImage art = renderLineArt(svg, drawingSize);
                return report(!art.isNull() && writeGif(gif, {art}), gif + " from " + svg);
            });
        }
    }
}

void addToolJobs(std::vector<Job> &jobs, const QString &artworkDir, const QString &appDir)
{
    QDir().mkpath(appDir + "/gifs");
    const struct {
        const char *name;
        QSize size;
    } tools[] = {{"pato", {90, 91}}, {"lapiz", {74, 121}}, {"recta", {94, 81}}};
    for (const auto &tool : tools) {
        const QString svg = artworkDir + "/tools/" + tool.name + ".svg";
        const QString gif = appDir + "/gifs/" + tool.name + ".gif";
        const QSize size = tool.size;
        jobs.push_back([=] {
            const std::vector<QImage> frames = renderFrames(svg, size);
            return report(frames.size() > 1 && writeGif(gif, frames, 15), gif);
        });
    }
}

void addFlatPictureJobs(std::vector<Job> &jobs, const QString &appDir)
{
    QDir().mkpath(appDir + "/paletas");
    QDir().mkpath(appDir + "/texturas");
    jobs.push_back([=] {
        const QString path = appDir + "/paletas/paletagrande.bmp";
        return report(largePalette(paletteSize).save(path, "BMP"), path);
    });
    jobs.push_back([=] {
        const QString path = appDir + "/paletas/paletapeque.bmp";
        return report(smallPalette(paletteSize).save(path, "BMP"), path);
    });
    jobs.push_back([=] {
        const QString path = appDir + "/fondo.jpg";
        return report(backgroundTile(backgroundSize).save(path, "JPEG", 95), path);
    });
    jobs.push_back([=] {
        bool ok = true;
        for (const Texture &texture : textures(textureSize)) {
            const QString path = appDir + "/texturas/" + texture.fileName;
            const bool written = path.endsWith(".gif") ? writeGif(path, {texture.picture})
                                                       : texture.picture.save(path, nullptr, 95);
            ok &= report(written, path);
        }
        return ok;
    });
}

bool writeSounds(const QString &appDir)
{
    QDir().mkpath(appDir + "/sonidos");
    bool ok = true;
    for (int n = 1; n <= 6; ++n) {
        const QString path = appDir + "/sonidos/sonido" + QString::number(n) + ".wav";
        ok &= report(writeWav(path, synthesiseSound(n)), path);
    }
    return ok;
}

bool writeSettings(const QString &appDir)
{
    QDir().mkpath(appDir + "/configuracion");
    bool ok = true;
    for (const char *name : {"borra", "impresora", "adaptar", "guarda"}) {
        const QString path = appDir + "/configuracion/" + name + ".txt";
        QFile file(path);
        ok &= report(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write("SI\r\n") == 4,
                     path);
    }
    return ok;
}

} // namespace

bool writeDefaultContent(const QString &artworkDir, const QString &appDir)
{
    std::vector<Job> jobs;
    addCategoryJobs(jobs, artworkDir, appDir);
    addToolJobs(jobs, artworkDir, appDir);
    addFlatPictureJobs(jobs, appDir);
    bool ok = runAll(jobs);
    ok &= writeSounds(appDir);
    ok &= writeSettings(appDir);
    // Saved work goes here; an existing folder and its files are left alone.
    ok &= report(QDir().mkpath(appDir + "/Misdibujos"), appDir + "/Misdibujos");
    return ok;
}
