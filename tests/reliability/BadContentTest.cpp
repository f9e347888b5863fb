#include "app/ProgramState.h"
#include "reliability/ReliabilitySupport.h"
#include "support/FileSizeLimit.h"
#include "support/TempAppFolder.h"

#include <QScopeGuard>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

// The window is started on the default content broken in one way, then every
// control is used. Whatever the breakage: no crash or hang, the state in range,
// nothing written outside the application folder, no file lost.

namespace
{
struct BadContentCase {
    std::string name;
    QString target, how, childName = "Ana";
    friend void PrintTo(const BadContentCase &c, std::ostream *out) { *out << c.name; }
};

std::vector<BadContentCase> allCases()
{
    // clang-format off
    const QStringList files{"Drawing1=dibujos/animales/1.gif", "Drawing2=dibujos/animales/2.gif",
        "KeptColouring=dibujos/animales/1.bmp", "Logo=logos/animales.gif", "LargePalette=paletas/paletagrande.bmp",
        "SmallPalette=paletas/paletapeque.bmp", "FirstTexture=texturas/bloques.gif", "FillAnimation=gifs/pato.gif",
        "PencilAnimation=gifs/lapiz.gif", "LineAnimation=gifs/recta.gif", "Background=fondo.jpg",
        "EraseSetting=configuracion/borra.txt", "FitSetting=configuracion/adaptar.txt"};
    const QStringList folders{"AppFolder=", "Logos=logos", "Drawings=dibujos", "FirstCategory=dibujos/animales",
        "SimpleCategory=dibujos/peques", "SavedWork=Misdibujos", "Sounds=sonidos", "Palettes=paletas",
        "Textures=texturas", "Animations=gifs", "Settings=configuracion"};
    // clang-format on
    std::vector<BadContentCase> cases;
    for (const QString &file : files)
        for (const QString how :
             {"ZeroBytes", "Truncated", "TextFile", "PngContent", "HugeBmpHeader", "UpperCaseName",
              "Missing", "Folder", "NamedPipe"})
            cases.push_back(
                {(file.section('=', 0, 0) + "_" + how).toStdString(), file.section('=', 1), how});
    for (const QString &folder : folders)
        for (const QString how : {"Missing", "Empty", "File", "NoPermissions"})
            cases.push_back({(folder.section('=', 0, 0) + "Folder_" + how).toStdString(),
                             folder.section('=', 1), "folder:" + how});
    for (const QString logo : {"a", "ab", "abc", "abcd", ".gif", "a.gif"})
        cases.push_back({"ShortLogoName_" + QString(logo).replace('.', "dot").toStdString(),
                         "logos/" + logo, "Copy"});
    cases.push_back({"NamesWithSpacesAccentsAndEmoji", "", "Renamed", "Zoë 🦄 ../../beside/x"});
    for (const char *name : {"WriteTargetsTaken", "ReadOnlyApplicationFolder", "FullDisk"})
        cases.push_back({name, "", name});
    return cases;
}

void breakIt(const ContentSandbox &box, const QString &target, const QString &how)
{
    const QString path = box.file(target);
    const QByteArray bytes = readBytes(path);
    const QImage picture = QImage::fromData(bytes);
    if (target == "dibujos/animales/1.gif") // read at start-up only without its kept colouring
        QFile::remove(box.file("dibujos/animales/1.bmp"));
    if (how == "Missing" || how == "Folder" || how == "NamedPipe")
        QFile::remove(path);
    // clang-format off
    if (how == "ZeroBytes") writeBytes(path, {});
    if (how == "Truncated") writeBytes(path, bytes.left(bytes.size() / 2));
    if (how == "TextFile") writeBytes(path, "Esto no es un dibujo.\r\n");
    if (how == "PngContent") (picture.isNull() ? lineDrawing(60, 40) : picture).save(path, "PNG");
    if (how == "HugeBmpHeader") // claims 60000 x 60000 pixels and holds 64 bytes of them
        writeBytes(path, QByteArray::fromHex("424d36ecba8300000000360000002800000060ea000060ea000001001800000000000000"
                                             "0000130b0000130b00000000000000000000") + QByteArray(64, '\x7f'));
    if (how == "UpperCaseName") QFile::rename(path, QFileInfo(path).path() + "/" + QFileInfo(path).fileName().toUpper());
    if (how == "Folder") writeBytes(path + "/dentro.txt", "A file inside a folder named like a picture.\n");
    if (how == "NamedPipe") ::mkfifo(QFile::encodeName(path).constData(), 0644);
    if (how == "folder:NoPermissions") QFile::setPermissions(path, {});
    else if (how.startsWith("folder:")) QDir(path).removeRecursively();
    if (how == "folder:Empty") QDir().mkpath(path);
    if (how == "folder:File") writeBytes(path, "A file where a folder should be.\n");
    if (how == "Copy") QFile::copy(box.file("logos/animales.gif"), path);
    if (how == "Renamed") // categories and textures, with spaces, accents and emoji
        for (const auto &[from, to] : {std::pair{"logos/animales.gif", "logos/animales de la granja ñandú 🐮.gif"},
                 {"dibujos/animales", "dibujos/animales de la granja ñandú 🐮"}, {"logos/peques.gif", "logos/peques pequeñitos 🐣.gif"},
                 {"dibujos/peques", "dibujos/peques pequeñitos 🐣"}, {"texturas/bloques.gif", "texturas/piel de tigre 🐯.gif"},
                 {"texturas/olas.bmp", "texturas/Árbol de Navidad.bmp"}})
            QDir().rename(box.file(from), box.file(to));
    if (how == "WriteTargetsTaken") {
        breakIt(box, "Misdibujos", "folder:File");
        for (const QString &category : QDir(box.file("dibujos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (int n = 1; n <= 8; ++n)
                breakIt(box, QString("dibujos/%1/%2.bmp").arg(category).arg(n), "Folder");
    }
    // clang-format on
}

// The file system's immutable flag, which root may set and which stops root too.
bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    int flags = 0;
    const bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                      (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL,
                       ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    return ::close(fd) == 0 && done;
}
} // namespace

class BadContent : public ::testing::TestWithParam<BadContentCase>
{
};

TEST_P(BadContent, WindowSurvivesEveryControlAndKeepsEveryFile)
{
    const BadContentCase &c = GetParam();
    ContentSandbox box;
    ASSERT_GT(box.copied, 0) << "no default content in " << TINTARO_APP_DIR;
    // A child's work: kept colourings that survive start-up (read then), and a saved one.
    writeBytes(box.file("configuracion/borra.txt"), "NO\r\n");
    for (const QString drawing : {"dibujos/animales/1", "dibujos/animales/3", "dibujos/peques/2"}) {
        QImage coloured = QImage(box.file(drawing + ".gif")).convertToFormat(QImage::Format_RGB888);
        coloured.fill(qRgb(200, 30, 30));
        coloured.save(box.file(drawing + ".bmp"), "BMP");
    }
    QImage(40, 30, QImage::Format_RGB888)
        .save(box.file("Misdibujos/Ana 1-2-2024--9-5-0.bmp"), "BMP");
    breakIt(box, c.target, c.how);
    // The clean-up is off only when borra.txt, so named, says "NO" in any case.
    const QString borra = box.file("configuracion/borra.txt");
    const bool cleanUp = !QFileInfo(borra).isFile() ||
                         readBytes(borra).split('\n')[0].split('\r')[0].toUpper() != "NO";
    const auto before = snapshot(box.root());
    // Read-only: for root, whom permissions do not stop, every entry made immutable.
    QStringList locked;
    const auto lock = [](const QString &path, bool on) {
        return ::geteuid() == 0 ? setImmutable(path, on)
                                : QFile::setPermissions(
                                      path, QFile::ReadOwner | QFile::ExeOwner |
                                                (on ? QFile::Permissions() : QFile::WriteOwner));
    };
    const auto unlock = qScopeGuard([&] {
        for (const QString &path : locked)
            lock(path, false);
    });
    for (QDirIterator it(box.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         c.how == "ReadOnlyApplicationFolder" && it.hasNext();)
        if (it.next().startsWith(box.file()) &&
            (locked << it.filePath(), !lock(it.filePath(), true)))
            GTEST_SKIP() << "this file system cannot make a folder read-only for root";
    const QString savedName = std::exchange(userName, c.childName);
    QTemporaryDir printed;
    ServiceLog services;
    QStringList erased;
    {
        const std::unique_ptr<FileSizeLimit> full(c.how == "FullDisk" ? new FileSizeLimit(0)
                                                                      : nullptr);
        Form1 w(box.file());
        replaceServices(w, services, printed.filePath("page.pdf"));
        w.Form_Load();
        EXPECT_EQ(stateOutOfRange(w).join('\n').toStdString(), "") << "after start-up";
        // Every control as in the long session, then every category, colouring each drawing.
        std::mt19937 random(1);
        const QString script =
            "Fill Far Pencil Far Line Far Fill Palette Palette Copy Swatch*16 Thickness*22 "
            "Texture*5 Fill Mosaic Fit Fill Fit Undo*6 Save Print Open Fill Next Fill Previous "
            "Fill Previous Fill Next " +
            QString("Fill Category ").repeated(qMin(w.File1.listCount(), 12) + 1) + "Fill";
        for (const QString &step : script.split(' ') + QStringList{"StartAgain", "Fill", "Quit"})
            for (int time = 0; time < qMax(1, step.section('*', 1).toInt()); ++time)
                std::find_if(actions.begin(), actions.end(), [&](const Action &action) {
                    return step.section('*', 0, 0) == action.name;
                })->perform(w, random);
        const CataloguePosition &at = WindowAccess::position(w);
        const QString category = w.categoryBaseName(at.category());
        if (!category.isEmpty())
            erased << QString("app/dibujos/%1/%2.bmp").arg(category).arg(at.drawing());
        w.resize(1024, 768);
        w.grab(); // the tiled background
        EXPECT_EQ(stateOutOfRange(w).join('\n').toStdString(), "") << "after every control";
    }
    userName = savedName;
    EXPECT_EQ(services.quits, 1);
    EXPECT_EQ(services.prints, 1); // no installation here turns printing off
    EXPECT_TRUE(c.how == "FullDisk" || readBytes(printed.filePath("page.pdf")).startsWith("%PDF"));
    QFile::setPermissions(box.file(), QFile::Permissions(0x7755)); // rwxr-xr-x
    for (QDirIterator it(box.root(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        QFile::setPermissions(it.next(), QFile::Permissions(0x7755));
    const auto after = snapshot(box.root());
    EXPECT_EQ(problems(before, after, cleanUp, erased).join('\n').toStdString(), "");
    // Where no write can succeed every file is exactly as it was: nothing half written.
    const bool writesFail =
        c.how == "WriteTargetsTaken" || c.how == "ReadOnlyApplicationFolder" || c.how == "FullDisk";
    EXPECT_TRUE(!writesFail || after == before);
}

INSTANTIATE_TEST_SUITE_P(BrokenInstallations, BadContent, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<BadContentCase> &info) {
                             return info.param.name;
                         });
