// tintaro-import: turns a teacher's line art into colouring drawings of a
// category. See helpText() for what it does and how it is called.

#include "import/CommandLine.h"
#include "import/Import.h"

#include <QGuiApplication>
#include <QTextStream>

namespace
{

// Qt's own notes (about the offscreen platform, fonts, ...) mean nothing to a
// teacher; only its serious failures are shown.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietQtMessages);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // No window is shown: the offscreen platform lets it run without a display.
    // The application sees none of the arguments, so no file name is taken for
    // one of Qt's own options.
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    char *qtArguments[] = {argv[0], platformOption, platformName, nullptr};
    int qtArgumentCount = 3;
    QGuiApplication application(qtArgumentCount, qtArguments);

    QTextStream out(stdout);
    QTextStream errors(stderr);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (parsed.helpWanted) {
        out << helpText();
        return 0;
    }
    if (!parsed.mistake.isEmpty()) {
        errors << "tintaro-import: " << parsed.mistake << "\n"
               << "tintaro-import --help\n";
        return 2;
    }
    ImportRequest request = parsed.request;
    if (request.appFolder.isEmpty())
        request.appFolder = QCoreApplication::applicationDirPath();
    return runImport(request, out, errors);
}
