#include "content/ContentSupport.h"
#include "platform/PictureIO.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace
{

bool isSimple(const ContentCategory &c)
{
    return c.base.contains("peque");
}

} // namespace

TEST(DefaultCatalogue, HasEnoughCategoriesWithOneSimpleAndAFullOneFirst)
{
    const auto categories = contentCategories();
    ASSERT_GE(categories.size(), 5u) << "in " << appPath("logos").toStdString();
    EXPECT_FALSE(isSimple(categories.front()))
        << "the program opens on the first category; it must be a full one";
    EXPECT_EQ(std::count_if(categories.begin(), categories.end(), isSimple), 1);
}

TEST(DefaultCatalogue, EveryCategoryStartsAtOneHasNoGapAndAtLeastSixDrawings)
{
    int total = 0;
    const QRegularExpression plainName("^[a-z]+$");
    for (const ContentCategory &c : contentCategories()) {
        SCOPED_TRACE(c.logo.toStdString());
        EXPECT_TRUE(plainName.match(c.base).hasMatch())
            << "folder names are plain lower-case ASCII";
        EXPECT_GE(c.drawingCount, 6);
        EXPECT_EQ(c.highestNumber, c.drawingCount) << "a drawing after a gap is never shown";
        total += c.drawingCount;
    }
    EXPECT_GE(total, 30);
}

TEST(DefaultCatalogue, LogosFitTheCategoryButton)
{
    for (const ContentCategory &c : contentCategories()) {
        SCOPED_TRACE(c.logo.toStdString());
        const QImage logo = loadPicture(appPath("logos/" + c.logo));
        ASSERT_FALSE(logo.isNull());
        EXPECT_LE(logo.width(), 65);
        EXPECT_LE(logo.height(), 67);
        EXPECT_GE(logo.width(), 48);
        EXPECT_GE(logo.height(), 48);
    }
}

TEST(DefaultSettings, EachFileSaysYesOnOneWindowsLine)
{
    for (const char *name : {"borra", "impresora", "adaptar", "guarda"}) {
        SCOPED_TRACE(name);
        QFile file(appPath(QString("configuracion/") + name + ".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("SI\r\n"));
    }
}

TEST(DefaultSettings, SavedWorkFolderExists)
{
    EXPECT_TRUE(QDir(appPath("Misdibujos")).exists());
}
