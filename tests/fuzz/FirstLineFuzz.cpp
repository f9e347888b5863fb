// Feeds arbitrary bytes to the settings-line reader as a file, and checks what
// it promises: no line break inside the line, and the line a prefix of the file.
#include "platform/FileSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/borra.txt");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    QString line;
    if (!readFirstLine(path, &line))
        std::abort();
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!QString::fromUtf8(bytes.left(4096)).startsWith(line))
        std::abort();
    return 0;
}
