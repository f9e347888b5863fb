#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

using StartUp = MainWindowFixture;

// "NO" in any letter case for borra and impresora, exactly "SI" for adaptar and
// guarda, in the file under its lower-case name (its first line: FilesTest's).
TEST_F(StartUp, EachSettingFollowsItsFile)
{
    writeTwoCategories();
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"borra.txt", "No", true},   {"BORRA.TXT", "NO", false},   {"impresora.txt", "no", true},
        {"adaptar.txt", "SI", true}, {"adaptar.txt", "si", false}, {"guarda.txt", "SI", true},
        {"guarda.txt", "Si", false}};
    for (const auto &[file, line, holds] : rows) {
        const auto rule = [&](const char *name) { return holds && qstrcmp(file, name) == 0; };
        QDir(app.file("configuracion")).removeRecursively();
        setting(file, line);
        app.writePicture("dibujos/animales/1.bmp", lineDrawing(60, 40, 7));
        Form1 &w = load();
        SCOPED_TRACE(file + std::string(" ") + line);
        EXPECT_EQ(app.exists("dibujos/animales/1.bmp"), rule("borra.txt"));
        EXPECT_EQ(w.Command8->isEnabled(), !rule("impresora.txt"));
        EXPECT_EQ(WindowAccess::naturalSizeShown(w), !rule("adaptar.txt"));
        EXPECT_EQ(w.Command10->isHidden(), !rule("guarda.txt"));
        EXPECT_EQ(w.Command11->isHidden(), !rule("guarda.txt"));
    }
}

// Clean-up first (up to each category's first gap), then the first of everything,
// the title window closed last.
TEST_F(StartUp, CleansUpThenShowsTheFirstOfEverythingAndClosesTheTitle)
{
    writeTwoCategories();
    app.writePicture("logos/animales.gif", plainPicture(65, 67, qRgb(0, 0, 200)));
    app.writePicture("dibujos/animales/5.gif", lineDrawing(60, 40)); // beyond the gap at 4
    // Kept colourings: those of drawings 1 to 3 go, one beyond the gap and one in capitals stay.
    const QStringList kept{"animales/1.bmp", "animales/3.bmp", "pequenos/2.bmp", "animales/5.bmp",
                           "pequenos/1.BMP"};
    for (const QString &file : kept)
        app.writePicture("dibujos/" + file, plainPicture(60, 40, 0));
    app.writePicture("texturas/Zigzag.png", plainPicture(8, 8, qRgb(0, 0, 200)));
    app.writePicture("texturas/arena.png", plainPicture(8, 8, qRgb(200, 180, 0)));
    QWidget title;
    title.setAttribute(Qt::WA_QuitOnClose, false);
    title.show();
    Form1 w(app.path(), &title);
    w.Form_Load();
    EXPECT_TRUE(title.isHidden());
    for (const QString &file : kept)
        EXPECT_EQ(app.exists("dibujos/" + file), kept.indexOf(file) > 2) << file.toStdString();
    EXPECT_EQ(w.Picture1->image(), lineDrawing(60, 40, 1));
    EXPECT_EQ(WindowAccess::position(w).count(), 3);
    EXPECT_EQ(w.Command5->icon().pixmap(20, 20).toImage().pixel(10, 10), qRgb(0, 0, 200));
    EXPECT_EQ(w.Picture7->picture().pixel(2, 2) | 0xFF000000, qRgb(200, 180, 0));
    EXPECT_EQ(w.Picture1->fillColor(), qRgb(255, 0, 0));
    EXPECT_TRUE(w.Picture4->isHidden());
}

// A missing background is reported once, however often the window is painted.
// (The background itself shows in tests/e2e/canvas_click.sh.)
TEST_F(StartUp, MissingBackgroundIsReportedOnce)
{
    Form1 &missing = load();
    for (int paint = 0; paint < 3; ++paint) {
        missing.grab();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("No encuentro la imagen de fondo \r\nERROR: "));
}

// Start-up removes what writes cut short in earlier runs left behind, in the
// folders the program writes to, and nothing else.
TEST_F(StartUp, RemovesOnlyOldLeftoversOfItsOwnWrites)
{
    // clang-format off
    const std::tuple<const char *, int, bool> rows[] = {
        {"dibujos/animales/.tintaro-AbCdEf.tmp", 3600, true},
        {"Misdibujos/.tintaro-QwErTy.tmp", 3600, true},
        {"dibujos/animales/.tintaro-NowNow.tmp", 0, false}, // another copy writing now
        {"dibujos/animales/.notas", 3600, false},           // a teacher's hidden file
        {"Misdibujos/.tintaro-AbCdE.tmp", 3600, false},
        {"Misdibujos/.tintaro-AbCdEf.tmp.bak", 3600, false},
        {"sonidos/.tintaro-AbCdEf.tmp", 3600, false}}; // not a folder the program writes
    // clang-format on
    writeTwoCategories();
    for (const auto &[path, ageSeconds, removed] : rows) {
        app.writeText(path, "leftover");
        QFile file(app.file(path));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                         QFileDevice::FileModificationTime);
    }
    setting("borra.txt", "NO");
    load();
    for (const auto &[path, ageSeconds, removed] : rows)
        EXPECT_EQ(app.exists(path), !removed) << path;
}
