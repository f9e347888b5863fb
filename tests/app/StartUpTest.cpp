#include "support/MainWindowFixture.h"

#include <QPushButton>

using StartUp = MainWindowFixture;

// The fields every start gives (colour, tool, indices, flags) are checked with
// the controls' start-up; these are the ones start-up itself decides.
TEST_F(StartUp, GivesTheStateItsStartValues)
{
    writeTwoCategories();
    Form1 &w = load();
    EXPECT_EQ(w.textureMarkerColour, 0xC0E0FF);
    EXPECT_EQ(w.appFolder, app.path());
    EXPECT_EQ(w.Picture1->fillColor() & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(w.drawingCount, 3);
}

TEST_F(StartUp, WithoutSettingsFilesUsesTheDefaults)
{
    writeTwoCategories();
    Form1 &w = load();
    EXPECT_EQ(w.fitSetting, "");
    EXPECT_TRUE(w.naturalSizeShown);
    EXPECT_TRUE(w.Command8->isEnabled());
    EXPECT_TRUE(w.Command10->isHidden());
    EXPECT_TRUE(w.Command11->isHidden());
}

struct SettingCase {
    const char *file;
    QByteArray content;
    bool holds; // the setting's test holds
};

void PrintTo(const SettingCase &c, std::ostream *out)
{
    *out << c.file << " \"" << c.content.toStdString() << "\"";
}

// Each row: one settings file and its first line; the tests are "NO" upper-cased
// for borra and impresora, exactly "SI" for adaptar and guarda.
class SettingsRule : public MainWindowFixture, public ::testing::WithParamInterface<SettingCase>
{
};

TEST_P(SettingsRule, FollowsTheFirstLine)
{
    const SettingCase &c = GetParam();
    writeTwoCategories();
    app.writePicture("dibujos/animales/1.bmp", lineDrawing(60, 40, 7));
    setting(c.file, c.content);
    Form1 &w = load();
    const QString file = c.file;
    if (file == "borra.txt") {
        EXPECT_EQ(app.exists("dibujos/animales/1.bmp"), c.holds);
    } else if (file == "impresora.txt") {
        EXPECT_EQ(w.Command8->isEnabled(), !c.holds);
    } else if (file == "adaptar.txt") {
        EXPECT_EQ(w.naturalSizeShown, !c.holds);
        EXPECT_EQ(w.fitSetting == "SI", c.holds);
    } else {
        EXPECT_EQ(w.Command10->isHidden(), !c.holds);
        EXPECT_EQ(w.Command11->isHidden(), !c.holds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LetterCaseLineEndsAndBlanks, SettingsRule,
    ::testing::Values(
        SettingCase{"borra.txt", "no", true}, SettingCase{"borra.txt", "No\r\n", true},
        SettingCase{"borra.txt", "NO\n", true}, SettingCase{"borra.txt", "NO \r\n", false},
        SettingCase{"borra.txt", "", false}, SettingCase{"borra.txt", "SI", false},
        SettingCase{"BORRA.TXT", "NO", false}, SettingCase{"impresora.txt", "No", true},
        SettingCase{"impresora.txt", "no\r", true}, SettingCase{"impresora.txt", "no ", false},
        SettingCase{"Impresora.txt", "NO", false}, SettingCase{"adaptar.txt", "SI", true},
        SettingCase{"adaptar.txt", "SI\r\n", true}, SettingCase{"adaptar.txt", "SI\n", true},
        SettingCase{"adaptar.txt", "SI\r", true}, SettingCase{"adaptar.txt", "si", false},
        SettingCase{"adaptar.txt", "SI ", false}, SettingCase{"adaptar.txt", "", false},
        SettingCase{"ADAPTAR.txt", "SI", false}, SettingCase{"guarda.txt", "SI", true},
        SettingCase{"guarda.txt", "SI\n", true}, SettingCase{"guarda.txt", "si", false},
        SettingCase{"guarda.txt", "Si", false}, SettingCase{"guarda.txt", "SI \n", false},
        SettingCase{"GUARDA.TXT", "SI", false}));

TEST_F(StartUp, CleanUpDeletesCopiesUpToTheFirstMissingDrawing)
{
    writeTwoCategories();
    app.writePicture("dibujos/animales/5.gif", lineDrawing(60, 40)); // beyond the gap at 4
    for (const char *copy : {"1.bmp", "2.bmp", "3.bmp", "5.bmp"})
        app.writePicture(QString("dibujos/animales/") + copy, lineDrawing(60, 40, 9));
    app.writePicture("dibujos/pequenos/1.BMP", lineDrawing(50, 30, 9)); // other letter case
    app.writePicture("dibujos/pequenos/2.bmp", lineDrawing(50, 30, 9));
    app.writePicture("dibujos/pequenos/3.bmp", lineDrawing(50, 30, 9)); // no 3.gif
    load();
    EXPECT_FALSE(app.exists("dibujos/animales/1.bmp"));
    EXPECT_FALSE(app.exists("dibujos/animales/2.bmp"));
    EXPECT_FALSE(app.exists("dibujos/animales/3.bmp"));
    EXPECT_TRUE(app.exists("dibujos/animales/5.bmp"));
    EXPECT_TRUE(app.exists("dibujos/pequenos/1.BMP"));
    EXPECT_FALSE(app.exists("dibujos/pequenos/2.bmp"));
    EXPECT_TRUE(app.exists("dibujos/pequenos/3.bmp"));
    EXPECT_TRUE(app.exists("dibujos/animales/5.gif"));
}

TEST_F(StartUp, FirstDrawingComesFromTheKeptColouringWhenCleanUpIsOff)
{
    writeTwoCategories();
    QImage coloured = lineDrawing(60, 40);
    coloured.setPixel(10, 10, qRgb(0, 200, 0));
    app.writePicture("dibujos/animales/1.bmp", coloured);
    setting("borra.txt", "NO\r\n");
    Form1 &w = load();
    EXPECT_EQ(w.Picture8->picture().pixel(10, 10) & 0xFFFFFF, 0x00C800u);
    EXPECT_EQ(w.Picture1->image().pixel(10, 10) & 0xFFFFFF, 0x00C800u);
}

TEST_F(StartUp, FirstDrawingComesFromTheLineDrawingOtherwise)
{
    writeTwoCategories();
    QImage coloured = lineDrawing(60, 40);
    coloured.setPixel(10, 10, qRgb(0, 200, 0));
    app.writePicture("dibujos/animales/1.BMP", coloured); // ignored: not exactly "1.bmp"
    setting("borra.txt", "NO");
    Form1 &w = load();
    EXPECT_EQ(w.Picture8->picture().pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(w.Picture1->image().size(), QSize(60, 40));
}

TEST_F(StartUp, CountsDrawingsUpToTheFirstGap)
{
    app.writePicture("logos/casas.gif", QImage(10, 10, QImage::Format_RGB32));
    for (int n : {1, 2, 4})
        app.writePicture(QString("dibujos/casas/%1.gif").arg(n), lineDrawing(20, 20));
    EXPECT_EQ(load().drawingCount, 2);
}

TEST_F(StartUp, CategoryWithoutFirstDrawingHasNone)
{
    app.writePicture("logos/casas.gif", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("dibujos/casas/2.gif", lineDrawing(20, 20));
    Form1 &w = load();
    EXPECT_EQ(w.drawingCount, 0);
    EXPECT_TRUE(w.Picture8->picture().isNull());
}

TEST_F(StartUp, ShortLogoNamesAreSkipped)
{
    app.writePicture("logos/a", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("logos/abcd", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("logos/casas.gif", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("dibujos/casas/1.gif", lineDrawing(20, 20));
    app.writePicture("dibujos/casas/1.bmp", lineDrawing(20, 20));
    Form1 &w = load();
    // Entry 0 is "a", which names no category: nothing to count or show.
    EXPECT_EQ(w.File1.list(0), "a");
    EXPECT_EQ(w.drawingCount, 0);
    EXPECT_FALSE(app.exists("dibujos/casas/1.bmp")) << "the later category is still cleaned";
}

TEST_F(StartUp, EmptyApplicationFolderStillOpens)
{
    Form1 &w = load();
    EXPECT_EQ(w.File1.listCount(), 0);
    EXPECT_EQ(w.drawingCount, 0);
    EXPECT_FALSE(w.simpleMode);
}
