// Feeds arbitrary bytes to picture loading as the program does it (format from
// the content, allocation limit in force): it must never crash, and whatever it
// returns must be a picture of sane size.
#include "platform/PictureIO.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char *argv[] = {name, nullptr};
    [[maybe_unused]] static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage image = loadPicture(&buffer);
    if (!image.isNull() && qint64(image.width()) * image.height() > (qint64(1) << 28))
        std::abort();
    return 0;
}
