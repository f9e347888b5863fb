#include "app/Form2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaro"));
    Form2 title(QCoreApplication::applicationDirPath());
    title.Form_Load();
    title.show();
    return app.exec();
}
