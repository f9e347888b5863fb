#include "support/CatalogueFixture.h"

#include <QTest>

// A save is seen and heard: a camera's click and a short white flash over the
// canvas when it worked, the beep and nothing else when it did not. The
// colouring itself never changes.
class SaveFeedback : public CatalogueFixture
{
};

TEST_F(SaveFeedback, ShutterAndFlashOnSuccessBeepAloneOnFailure)
{
    struct Case {
        bool folderIsAFile;
        QStringList sounds;
        bool flashes;
    };
    for (const Case &c : {Case{false, {"sonido6.wav"}, true}, Case{true, {"beep"}, false}}) {
        SCOPED_TRACE(c.folderIsAFile ? "failing save" : "save");
        writeCategory("animales", 1);
        QDir(app.file("Misdibujos")).removeRecursively();
        QFile::remove(app.file("Misdibujos"));
        if (c.folderIsAFile)
            app.writeText("Misdibujos", "not a folder");
        Form1 &w = load();
        w.show();
        paintStep(w, {5, 5}, qRgb(0, 200, 0));
        const QImage painted = canvas(w);
        sounds->clear();
        w.Command10_Click();
        EXPECT_EQ(soundNames(), c.sounds);
        EXPECT_EQ(w.Picture1->flashing(), c.flashes);
        const QImage shown = w.Picture1->grab().toImage();
        EXPECT_EQ(shown.pixel(6, 6) & 0xFFFFFF, c.flashes ? 0xFFFFFFu : 0x00C800u);
        EXPECT_EQ(canvas(w), painted);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Picture1->flashing(), 20000);
        EXPECT_EQ(w.Picture1->grab().toImage().pixel(6, 6) & 0xFFFFFF, 0x00C800u);
    }
}
