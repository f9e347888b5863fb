#include "app/Form1.h"
#include "app/ProgramState.h"
#include "platform/PictureIO.h"
#include "reliability/ContentSandbox.h"
#include "reliability/EveryControl.h"
#include "reliability/FolderDamage.h"
#include "reliability/SafetyChecks.h"
#include "reliability/WindowInvariants.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The window is started on the default content broken in one way, then every
// button is pressed and every area clicked. Whatever the breakage: the test
// ends (no crash, no hang), the state stays in range, nothing is written
// outside the application folder, and no file that was there is lost.

namespace
{
// What a test row does to the installation and how the run is held.
struct BadContentCase {
    std::string name;
    std::function<void(ContentSandbox &)> breakIt;
    bool readOnly = false;   // nothing under the application folder can change
    bool fullDisk = false;   // no file can grow: every write fails
    bool writesFail = false; // every write of the program fails, whatever the reason
    QString childName = "Ana";
};

void PrintTo(const BadContentCase &c, std::ostream *out)
{
    *out << c.name;
}

// Kept colourings of three drawings and one saved colouring, so that a lost
// file shows. Kept colourings survive start-up: the clean-up is off.
void addChildsWork(ContentSandbox &box)
{
    box.writeBytes("configuracion/borra.txt", "NO\r\n");
    const struct {
        const char *drawing;
        QRgb colour;
    } work[] = {{"dibujos/animales/1", qRgb(200, 30, 30)},
                {"dibujos/animales/3", qRgb(30, 200, 30)},
                {"dibujos/peques/2", qRgb(30, 30, 200)}};
    for (const auto &[drawing, colour] : work) {
        QImage coloured =
            loadPicture(box.file(QString(drawing) + ".gif")).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < coloured.height() / 3; ++y)
            for (int x = 0; x < coloured.width() / 3; ++x)
                if (coloured.pixel(x, y) == 0xFFFFFFFF)
                    coloured.setPixel(x, y, colour);
        writeBitmap(coloured, box.file(QString(drawing) + ".bmp"));
    }
    writeBitmap(QImage(40, 30, QImage::Format_RGB32),
                box.file("Misdibujos/Ana 1-2-2024--9-5-0.bmp"));
}

// The clean-up keeps the kept colourings only when "configuracion/borra.txt",
// under exactly that name, can be read and its first line is "NO" in any case.
bool cleanUpRuns(const ContentSandbox &box)
{
    QFile setting(box.file("configuracion/borra.txt"));
    if (!QFileInfo(setting).isFile() || !setting.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = setting.read(16).split('\n').first().split('\r').first();
    return line.toUpper() != "NO";
}

QByteArray readHead(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
}

std::string joined(const QStringList &problems)
{
    return problems.join('\n').toStdString();
}

// Every file the program reads, with its name in the test's name.
const std::pair<const char *, const char *> readFiles[] = {
    {"Drawing1", "dibujos/animales/1.gif"},
    {"Drawing2", "dibujos/animales/2.gif"},
    {"KeptColouring", "dibujos/animales/1.bmp"},
    {"Logo", "logos/animales.gif"},
    {"LargePalette", "paletas/paletagrande.bmp"},
    {"SmallPalette", "paletas/paletapeque.bmp"},
    {"FirstTexture", "texturas/bloques.gif"},
    {"FillAnimation", "gifs/pato.gif"},
    {"PencilAnimation", "gifs/lapiz.gif"},
    {"LineAnimation", "gifs/recta.gif"},
    {"Background", "fondo.jpg"},
    {"EraseSetting", "configuracion/borra.txt"},
    {"FitSetting", "configuracion/adaptar.txt"},
};

// Every folder the program reads or writes; "" is the application folder.
const std::pair<const char *, const char *> folders[] = {
    {"AppFolder", ""},
    {"Logos", "logos"},
    {"Drawings", "dibujos"},
    {"FirstCategory", "dibujos/animales"},
    {"SimpleCategory", "dibujos/peques"},
    {"SavedWork", "Misdibujos"},
    {"Sounds", "sonidos"},
    {"Palettes", "paletas"},
    {"Textures", "texturas"},
    {"Animations", "gifs"},
    {"Settings", "configuracion"},
};

std::vector<BadContentCase> fileCases()
{
    std::vector<BadContentCase> cases;
    for (const auto &[name, path] : readFiles)
        for (const FileDamage damage :
             {FileDamage::ZeroBytes, FileDamage::Truncated, FileDamage::TextFile,
              FileDamage::PngContent, FileDamage::HugeBmpHeader, FileDamage::UpperCaseName,
              FileDamage::Missing, FileDamage::Folder, FileDamage::NamedPipe}) {
            const QString relative = path;
            BadContentCase c;
            c.name = std::string(name) + "_" + damageName(damage);
            c.breakIt = [relative, damage](ContentSandbox &box) {
                // The first drawing is read at start-up only while it has no kept colouring.
                if (relative == "dibujos/animales/1.gif")
                    QFile::remove(box.file("dibujos/animales/1.bmp"));
                damageFile(box, relative, damage);
            };
            cases.push_back(c);
        }
    return cases;
}

std::vector<BadContentCase> folderCases()
{
    std::vector<BadContentCase> cases;
    for (const auto &[name, path] : folders)
        for (const FolderDamage damage : {FolderDamage::Missing, FolderDamage::Empty,
                                          FolderDamage::File, FolderDamage::NoPermissions}) {
            const QString relative = path;
            BadContentCase c;
            c.name = std::string(name) + "Folder_" + damageName(damage);
            c.breakIt = [relative, damage](ContentSandbox &box) {
                damageFolder(box, relative, damage);
            };
            cases.push_back(c);
        }
    return cases;
}

void copyLogo(ContentSandbox &box, const QString &newName)
{
    QFile::copy(box.file("logos/animales.gif"), box.file("logos/" + newName));
}

// Moves a category (its logo and its folder) to a new name.
void renameCategory(ContentSandbox &box, const QString &from, const QString &to)
{
    QFile::rename(box.file("logos/" + from + ".gif"), box.file("logos/" + to + ".gif"));
    QDir().rename(box.file("dibujos/" + from), box.file("dibujos/" + to));
}

std::vector<BadContentCase> otherCases()
{
    std::vector<BadContentCase> cases;
    for (const char *logo : {"a", "ab", "abc", "abcd", ".gif", "a.gif"}) {
        BadContentCase c;
        c.name = std::string("ShortLogoName_") + QString(logo).replace('.', "dot").toStdString();
        c.breakIt = [logo](ContentSandbox &box) { copyLogo(box, logo); };
        cases.push_back(c);
    }
    BadContentCase names;
    names.name = "NamesWithSpacesAccentsAndEmoji";
    names.breakIt = [](ContentSandbox &box) {
        renameCategory(box, "animales", "animales de la granja ñandú 🐮");
        renameCategory(box, "peques", "peques pequeñitos 🐣");
        QFile::rename(box.file("texturas/bloques.gif"), box.file("texturas/piel de tigre 🐯.gif"));
        QFile::rename(box.file("texturas/olas.bmp"), box.file("texturas/Árbol de Navidad.bmp"));
    };
    names.childName = "Zoë 🦄 ../../beside/x";
    cases.push_back(names);

    BadContentCase taken;
    taken.name = "WriteTargetsTaken";
    taken.breakIt = [](ContentSandbox &box) {
        damageFolder(box, "Misdibujos", FolderDamage::File);
        for (const QString &category :
             QDir(box.file("dibujos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (int n = 1; n <= 8; ++n)
                damageFile(box, QString("dibujos/%1/%2.bmp").arg(category).arg(n),
                           FileDamage::Folder);
    };
    taken.writesFail = true;
    cases.push_back(taken);

    BadContentCase readOnly;
    readOnly.name = "ReadOnlyApplicationFolder";
    readOnly.breakIt = [](ContentSandbox &) {};
    readOnly.readOnly = true;
    readOnly.writesFail = true;
    cases.push_back(readOnly);

    BadContentCase full;
    full.name = "FullDisk";
    full.breakIt = [](ContentSandbox &) {};
    full.fullDisk = true;
    full.writesFail = true;
    cases.push_back(full);
    return cases;
}

std::vector<BadContentCase> allCases()
{
    std::vector<BadContentCase> cases = fileCases();
    for (auto more : {folderCases(), otherCases()})
        cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}
} // namespace

class BadContent : public ::testing::TestWithParam<BadContentCase>
{
protected:
    void SetUp() override { savedUserName = userName; }
    void TearDown() override { userName = savedUserName; }

    QString savedUserName;
};

TEST_P(BadContent, WindowSurvivesEveryControlAndKeepsEveryFile)
{
    const BadContentCase &c = GetParam();
    ContentSandbox box;
    ASSERT_TRUE(box.hasContent()) << "no default content in " << TINTARO_APP_DIR;
    addChildsWork(box);
    c.breakIt(box);
    const bool cleansUp = cleanUpRuns(box);
    userName = c.childName;
    QTemporaryDir printed;
    const FolderSnapshot before = takeSnapshot(box.root());

    ServiceLog services;
    QStringList erased;
    {
        std::unique_ptr<ReadOnlyTree> locked;
        if (c.readOnly) {
            locked = std::make_unique<ReadOnlyTree>(box.appPath());
            if (!locked->active())
                GTEST_SKIP() << "this file system cannot make a folder read-only for root";
        }
        std::unique_ptr<FileSizeLimit> limit;
        if (c.fullDisk)
            limit = std::make_unique<FileSizeLimit>(0);
        Form1 w(box.appPath());
        replaceServices(w, services, printed.filePath("page.pdf"));
        w.Form_Load();
        EXPECT_EQ(joined(stateOutOfRange(w)), "") << "after start-up";
        erased = useEveryControl(w);
        EXPECT_EQ(joined(stateOutOfRange(w)), "") << "after every control";
        EXPECT_EQ(services.quits, 1);
        // No settings file of these installations turns printing off.
        EXPECT_EQ(services.prints, 1);
        if (!c.fullDisk) {
            EXPECT_TRUE(readHead(printed.filePath("page.pdf")).startsWith("%PDF"));
        }
        for (const QUrl &url : services.opened)
            EXPECT_TRUE(url.toLocalFile().startsWith(box.file("Misdibujos/")))
                << url.toString().toStdString();
    }
    restoreFolderPermissions(box.root());

    AllowedChanges allowed;
    allowed.cleanUp = cleansUp;
    allowed.erased = erased;
    const FolderSnapshot after = takeSnapshot(box.root());
    EXPECT_EQ(joined(sandboxProblems(before, after, allowed)), "");
    // Where no write can succeed, every file is exactly as it was: a failed
    // write leaves the previous file, and nothing half-written behind.
    if (c.writesFail) {
        EXPECT_TRUE(after.files == before.files);
    }
}

INSTANTIATE_TEST_SUITE_P(BrokenInstallations, BadContent, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<BadContentCase> &info) {
                             return info.param.name;
                         });
