#include "catalogue/SavedNames.h"
#include "support/CatalogueFixture.h"

#include <QPushButton>
#include <functional>

TEST(CategoryName, MustBeOneFolderName)
{
    for (const char *bad : {"", ".", "..", "animales\\..\\..\\fuera", "..\\fuera", "a/b", "../x",
                            "/etc", "ani\tmales", "ani\x01males", "a\x7f", "a\xc2\x85"})
        EXPECT_FALSE(isOneFolderName(QString::fromUtf8(bad))) << bad;
    for (const char *good : {"animales", "\xc3\xa1rboles", "los peques", "a..b", ".x", "..."})
        EXPECT_TRUE(isOneFolderName(QString::fromUtf8(good))) << good;
}

namespace
{
struct FileState {
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState &) const = default;
};

// Every file under root with its bytes and time, but those of the category
// folder the program may write to.
QMap<QString, FileState> filesUnder(const QString &root, const QString &writable)
{
    QMap<QString, FileState> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!path.startsWith(writable) && file.open(QIODevice::ReadOnly))
            files.insert(path, {file.readAll(), it.fileInfo().lastModified()});
    }
    return files;
}

void pressUntilCategory(Form1 &w, const QString &logo)
{
    for (int i = 0; i < w.File1.listCount() && w.File1.list(w.categoryIndex) != logo; ++i)
        w.Command5_Click();
}

void fill(Form1 &w)
{
    w.Picture1_Mousedown(1, 0, 3, 3);
}
} // namespace

TEST(HostileCategory, ChangesNothingButItsOwnCategoryFolder)
{
    struct Action {
        const char *name;
        std::function<void(Form1 &, const QString &logo)> run; // null: the start-up clean-up
    };
    const QList<Action> actions{
        {"start-up clean-up", nullptr},
        {"category button",
         [](Form1 &w, const QString &) {
             fill(w);
             w.Command5_Click();
             w.Command5_Click(); // both categories left with a changed drawing
         }},
        {"fill and next",
         [](Form1 &w, const QString &logo) {
             pressUntilCategory(w, logo);
             fill(w);
             w.command4_Click();
         }},
        {"quit",
         [](Form1 &w, const QString &logo) {
             pressUntilCategory(w, logo);
             fill(w);
             w.Command2_Click();
         }},
    };
    // A logo's name cannot hold a slash here, and one starting with a dot is
    // hidden: those names are refused above.
    const QList<QString> names{"animales\\..\\..\\..\\fuera", QString::fromUtf8("ani\x01males")};
    for (const QString &name : names) {
        for (const Action &action : actions) {
            SCOPED_TRACE(name.toStdString() + " / " + action.name);
            const QTemporaryDir root;
            const QString app = root.filePath("app");
            const QImage logo = lineDrawing(20, 20);
            // What a name's path reaches, read as a path or as one folder name.
            for (const QString &folder : {root.filePath("fuera"), app + "/dibujos/" + name}) {
                QDir().mkpath(folder);
                lineDrawing(30, 30).save(folder + "/1.gif", "PNG");
                lineDrawing(30, 30, 5).save(folder + "/1.bmp", "BMP");
            }
            QDir().mkpath(app + "/logos");
            QDir().mkpath(app + "/dibujos/animales");
            logo.save(app + "/logos/animales.gif", "PNG");
            logo.save(app + "/logos/" + name + ".gif", "PNG");
            lineDrawing(40, 40).save(app + "/dibujos/animales/1.gif", "PNG");
            if (action.run) {
                QDir().mkpath(app + "/configuracion");
                QFile borra(app + "/configuracion/borra.txt");
                ASSERT_TRUE(borra.open(QIODevice::WriteOnly) && borra.write("NO") == 2);
            }
            const auto before = filesUnder(root.path(), app + "/dibujos/animales/");

            Form1 w(app);
            w.setSoundPlayer(
                std::make_unique<RecordingSoundPlayer>(std::make_shared<QStringList>()));
            w.quitProgram = [] {};
            w.Form_Load();
            ASSERT_EQ(w.File1.listCount(), 2);
            if (action.run)
                action.run(w, name + ".gif");
            EXPECT_EQ(filesUnder(root.path(), app + "/dibujos/animales/"), before);
        }
    }
}

using FolderNamedLikeADrawing = CatalogueFixture;

TEST_F(FolderNamedLikeADrawing, IsNeitherADrawingNorAKeptColouring)
{
    writeCategory("animales", 3);
    QFile::remove(app.file("dibujos/animales/2.gif"));
    app.makeFolder("dibujos/animales/2.gif");
    app.writeText("dibujos/animales/1.bmp/x", "x");
    Form1 &w = load();
    EXPECT_EQ(w.drawingCount, 1) << "counting stops at the folder";
    EXPECT_EQ(rgb(w.Picture8->picture()), fileImage("dibujos/animales/1.gif"));
    EXPECT_TRUE(app.exists("dibujos/animales/1.bmp/x"));
}
