#include "support/MainWindowFixture.h"

#include <QFile>

// Start-up removes what writes cut short in earlier runs left behind, in the
// folders the program writes to, and nothing else.
TEST_F(MainWindowFixture, StartUpRemovesOnlyOldLeftoversOfItsOwnWrites)
{
    struct Row {
        const char *path;
        int ageSeconds;
        bool removed;
    };
    const Row rows[] = {
        {"dibujos/animales/.tintaro-AbCdEf.tmp", 3600, true},
        {"dibujos/pequenos/.tintaro-ZxCvBn.tmp", 3600, true},
        {"Misdibujos/.tintaro-QwErTy.tmp", 3600, true},
        {"dibujos/animales/.tintaro-NowNow.tmp", 0, false}, // another copy writing now
        {"dibujos/animales/.notas", 3600, false},           // a teacher's hidden file
        {"Misdibujos/.tintaro-AbCdE.tmp", 3600, false},
        {"Misdibujos/.tintaro-AbCdEf.tmp.bak", 3600, false},
        {"Misdibujos/tintaro-AbCdEf.tmp", 3600, false},
        {"dibujos/.tintaro-AbCdEf.tmp", 3600, false}, // not a folder the program writes
        {"sonidos/.tintaro-AbCdEf.tmp", 3600, false},
    };
    writeTwoCategories();
    for (const Row &row : rows) {
        app.writeText(row.path, "leftover");
        QFile file(app.file(row.path));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-row.ageSeconds),
                         QFileDevice::FileModificationTime);
    }
    setting("borra.txt", "NO");
    load();
    for (const Row &row : rows)
        EXPECT_EQ(app.exists(row.path), !row.removed) << row.path;
}
