// Generates the program's default content and its window design pictures
// from the text sources in artwork/.
//
//   tintaro_artwork content <artwork dir> <application dir>
//   tintaro_artwork design  <artwork dir> <output dir>
//   tintaro_artwork icon    <icon svg> <output dir> <size>...

#include "DefaultContent.h"
#include "DesignPictures.h"
#include "SvgPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace
{
// The application icon for the desktop's icon theme: one PNG per size, in the
// theme's own layout (<size>x<size>/apps/tintaro.png).
bool writeIcons(const QString &svg, const QString &outputDir, const QStringList &sizes)
{
    for (const QString &text : sizes) {
        const int size = text.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outputDir).arg(size);
        const QImage icon = size > 0 ? renderPicture(svg, {size, size}) : QImage();
        if (icon.isNull() || !QDir().mkpath(folder) || !icon.save(folder + "/tintaro.png", "PNG")) {
            QTextStream(stderr) << "cannot make the " << text << " pixel icon from " << svg << "\n";
            return false;
        }
    }
    return true;
}
} // namespace

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
    if (args.size() > 4 && args[1] == "icon")
        return writeIcons(args[2], args[3], args.mid(4)) ? 0 : 1;
    QTextStream(stderr) << "usage: tintaro_artwork content|design <artwork dir> <output dir>\n"
                           "       tintaro_artwork icon <icon svg> <output dir> <size>...\n";
    return 2;
}
