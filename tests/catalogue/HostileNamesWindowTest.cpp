#include "catalogue/SavedNames.h"
#include "support/MainWindowFixture.h"

#include <QDirIterator>

#include <QPushButton>

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
// Every file under root with its bytes and time, but those of the category
// folder the program may write to.
QMap<QString, QByteArray> filesUnder(const QString &root, const QString &writable)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.fileName().startsWith(writable) && file.open(QIODevice::ReadOnly))
            files[file.fileName()] =
                file.readAll() + it.fileInfo().lastModified().toString(Qt::ISODateWithMs).toUtf8();
    }
    return files;
}
} // namespace

TEST(HostileCategory, ChangesNothingButItsOwnCategoryFolder)
{
    // A logo's name cannot hold a slash here, and one starting with a dot is
    // hidden: those names are refused above.
    for (const QString &name : {QString("animales\\..\\..\\..\\fuera"), QString("ani\x01males")}) {
        const char *actions[] = {"start-up clean-up", "category button", "fill and next", "quit"};
        for (int action = 0; action < 4; ++action) {
            SCOPED_TRACE(name.toStdString() + " / " + actions[action]);
            const TempAppFolder root;
            // What the name's path reaches, read as a path or as one folder name.
            for (const QString &folder : {QString("fuera"), "app/dibujos/" + name}) {
                root.writePicture(folder + "/1.gif", lineDrawing(30, 30));
                root.writePicture(folder + "/1.bmp", lineDrawing(30, 30, 5));
            }
            root.writePicture("app/logos/animales.gif", lineDrawing(20, 20));
            root.writePicture("app/logos/" + name + ".gif", lineDrawing(20, 20));
            root.writePicture("app/dibujos/animales/1.gif", lineDrawing(40, 40));
            if (action > 0)
                root.writeText("app/configuracion/borra.txt", "NO");
            const QString writable = root.file("app/dibujos/animales/");
            const auto before = filesUnder(root.path(), writable);

            Form1 w(root.file("app"));
            w.setSoundPlayer(
                std::make_unique<RecordingSoundPlayer>(std::make_shared<QStringList>()));
            w.quitProgram = [] {};
            w.Form_Load();
            ASSERT_EQ(w.File1.listCount(), 2);
            // Fill and next, quit: on the named category; the category button
            // leaves both categories with a changed drawing.
            for (int i = 0; action >= 2 && i < 2 &&
                            w.File1.list(WindowAccess::position(w).category()) != name + ".gif";
                 ++i)
                w.Command5_Click();
            if (action > 0)
                w.Picture1_Mousedown(1, 0, 3, 3); // a fill
            for (int press = 0; action == 1 && press < 2; ++press)
                w.Command5_Click();
            if (action == 2)
                w.command4_Click();
            if (action == 3)
                w.Command2_Click();
            EXPECT_EQ(filesUnder(root.path(), writable), before);
        }
    }
}
