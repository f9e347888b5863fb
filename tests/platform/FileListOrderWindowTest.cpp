#include "support/MainWindowFixture.h"

using FileListOrder = MainWindowFixture;

// Categories sort as a Spanish reader expects, letter case and accents aside;
// the textures keep the order of the character codes.
TEST_F(FileListOrder, CategoriesAsAReaderExpectsTexturesAsBefore)
{
    const QStringList readers{"animales.gif", "Arboles.gif", "\u00e1rboles.gif", "barcos.gif",
                              "Zoo.gif"};
    const QStringList codes{"animales.gif", "Arboles.gif", "barcos.gif", "Zoo.gif",
                            "\u00e1rboles.gif"};
    for (const QString &name : readers) {
        app.writeText("logos/" + name, "x");
        app.writeText("texturas/" + name, "x");
    }
    Form1 &w = load();
    for (int i = 0; i < readers.size(); ++i) {
        EXPECT_EQ(w.File1.list(i), readers[i]);
        EXPECT_EQ(w.File2.list(i), codes[i]);
    }
}
