#include "app/Form2.h"
#include "app/StartupBenchmark.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaro"));
    Form2 title(QCoreApplication::applicationDirPath());
    title.Form_Load();
    if (qEnvironmentVariableIntValue("TINTARO_BENCH_AUTOSTART") == 1)
        armStartupBenchmark(title);
    title.show();
    return app.exec();
}
