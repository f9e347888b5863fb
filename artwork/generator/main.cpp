// Generates the program's default content and its window design pictures
// from the text sources in artwork/.
//
//   tintaro_artwork content <artwork dir> <application dir>
//   tintaro_artwork design  <artwork dir> <output dir>

#include "DefaultContent.h"
#include "DesignPictures.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "content")
        return writeDefaultContent(args[2], args[3]) ? 0 : 1;
    if (args.size() == 4 && args[1] == "design")
        return writeDesignPictures(args[2] + "/design", args[3]) ? 0 : 1;
    QTextStream(stderr) << "usage: tintaro_artwork content|design <artwork dir> <output dir>\n";
    return 2;
}
