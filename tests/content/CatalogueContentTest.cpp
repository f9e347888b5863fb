#include "content/Content.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

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
        EXPECT_TRUE(QRegularExpression("^[a-z]+$").match(c.base).hasMatch());
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

// Audible, unclipped, different 16-bit PCM waves with a plain header.
TEST(DefaultContent, SoundsAreDistinctAudibleWaves)
{
    QSet<QByteArray> distinct;
    for (int n = 1; n <= 6; ++n) {
        QFile file(appPath(QString("sonidos/sonido%1.wav").arg(n)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << n;
        const QByteArray wav = file.readAll();
        const auto at = [&](int i) { return qFromLittleEndian<qint16>(wav.constData() + i); };
        ASSERT_GE(wav.size(), 44);
        EXPECT_EQ(wav.left(4) + wav.mid(8, 8) + wav.mid(36, 4), "RIFFWAVEfmt data");
        EXPECT_TRUE(at(20) == 1 && at(34) == 16) << "16-bit PCM";
        EXPECT_EQ(qFromLittleEndian<qint32>(wav.constData() + 40), wav.size() - 44);
        int peak = 0;
        for (int i = 44; i + 1 < wav.size(); i += 2)
            peak = std::max(peak, std::abs(int(at(i))));
        EXPECT_TRUE(peak > 8000 && peak < 32767) << peak;
        distinct.insert(wav.mid(44));
    }
    EXPECT_EQ(distinct.size(), 6);
}
