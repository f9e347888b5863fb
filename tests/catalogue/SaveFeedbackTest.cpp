#include "support/CatalogueFixture.h"

#include <QTest>

// A save that works clicks like a camera and flashes the canvas white for a
// moment; one that fails (a file stands where the folder should) beeps and
// shows nothing. The colouring itself never changes.
using SaveFeedback = CatalogueFixture;

TEST_F(SaveFeedback, ShutterAndFlashWhenItWorksBeepAloneWhenItFails)
{
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "failing save" : "save");
        writeCategory("animales", 1);
        if (fails) {
            QDir(app.file("Misdibujos")).removeRecursively();
            app.writeText("Misdibujos", "not a folder");
        }
        Form1 &w = load();
        w.show();
        paintStep(w, {5, 5}, qRgb(0, 200, 0));
        const QImage painted = canvas(w);
        sounds->clear();
        w.Command10_Click();
        EXPECT_EQ(soundNames(), QStringList{fails ? "beep" : "sonido6.wav"});
        EXPECT_EQ(w.Picture1->grab().toImage().pixel(6, 6),
                  fails ? qRgb(0, 200, 0) : qRgb(255, 255, 255));
        EXPECT_EQ(canvas(w), painted);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Picture1->flashing(), 20000);
        EXPECT_EQ(w.Picture1->grab().toImage().pixel(6, 6), qRgb(0, 200, 0));
    }
}
