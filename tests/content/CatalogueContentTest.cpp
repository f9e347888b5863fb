#include "content/Content.h"
#include "platform/WavCheck.h"

#include <QFile>
#include <QSet>

// The program opens on the first category, so it is a full one; one category
// is for the youngest. Every category counts from 1 without a gap (a drawing
// after a gap is never shown), and its logo fits the category button.
TEST(DefaultContent, CategoriesOfSixOrMoreDrawingsWithOneSimpleCategory)
{
    const std::vector<Category> list = categories();
    ASSERT_GE(list.size(), 5u);
    EXPECT_FALSE(list.front().base.contains("peque"));
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const Category &c) { return c.base.contains("peque"); }),
              1);
    for (const Category &c : list) {
        SCOPED_TRACE(c.logo.toStdString());
        EXPECT_GE(c.count, 6);
        EXPECT_EQ(c.highest, c.count);
        const QImage logo = loadPicture(appPath("logos/" + c.logo));
        EXPECT_TRUE(QRect(0, 0, 65, 67).contains(QRect(QPoint(), logo.size())) &&
                    logo.width() >= 48 && logo.height() >= 48);
    }
}

TEST(DefaultContent, SettingsSayYesAndTheSavedWorkFolderExists)
{
    for (const char *name : {"borra", "impresora", "adaptar", "guarda"}) {
        QFile file(appPath(QString("configuracion/") + name + ".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.readAll(), QByteArray("SI\r\n")) << name;
    }
    EXPECT_TRUE(QDir(appPath("Misdibujos")).exists());
}

// Every sound passes the check the player's sounds go through, and each is its own.
TEST(DefaultContent, SoundsArePlayableAndDistinct)
{
    QSet<QByteArray> distinct;
    for (int n = 1; n <= 6; ++n) {
        const QString path = appPath(QString("sonidos/sonido%1.wav").arg(n));
        EXPECT_TRUE(isPlayableWavFile(path)) << n;
        QFile file(path);
        distinct.insert(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    EXPECT_EQ(distinct.size(), 6);
}
