// Feeds arbitrary bytes to the settings-line reader as a file, and checks what
// it promises: no line break inside the line, and the line a prefix of the file.
#include "platform/FileSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QFile file(dir.filePath(QStringLiteral("borra.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    QString line;
    if (!readFirstLine(file.fileName(), &line) || line.contains(QLatin1Char('\r')) ||
        line.contains(QLatin1Char('\n')) || !QString::fromUtf8(bytes.left(4096)).startsWith(line))
        std::abort();
    return 0;
}
