#include "support/MainWindowFixture.h"

using FileListOrder = MainWindowFixture;

// Categories sort as a Spanish reader expects, letter case and accents aside;
// the other lists keep the order of the character codes.
TEST_F(FileListOrder, CategoriesAsAReaderExpectsTexturesAsBefore)
{
    const QStringList names{"Zoo.gif", "barcos.gif", "\u00e1rboles.gif", "animales.gif",
                            "Arboles.gif"};
    for (const QString &name : names) {
        app.writeText("logos/" + name, "x");
        app.writeText("texturas/" + name, "x");
    }
    Form1 &w = load();
    const auto entries = [](const FileList &list) {
        QStringList all;
        for (int i = 0; i < list.listCount(); ++i)
            all << list.list(i);
        return all;
    };
    EXPECT_EQ(entries(w.File1), (QStringList{"animales.gif", "Arboles.gif", "\u00e1rboles.gif",
                                             "barcos.gif", "Zoo.gif"}));
    EXPECT_EQ(entries(w.File2), (QStringList{"animales.gif", "Arboles.gif", "barcos.gif", "Zoo.gif",
                                             "\u00e1rboles.gif"}));
}
