#include "support/BitmapWriterChild.h"

#include "platform/PictureIO.h"

#include <cstdio>

QImage writerPicture(int which)
{
    QImage image(1000, 700, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           which == 0 ? qRgb(x & 255, y & 255, 40) : qRgb(200, x & 255, y & 255));
    return image;
}

int runBitmapWriter(const char *path)
{
    const QImage pictures[2] = {writerPicture(0), writerPicture(1)};
    for (unsigned long n = 0;; ++n) {
        if (!writeBitmap(pictures[n % 2], QString::fromLocal8Bit(path)))
            return 1;
        std::printf("written\n");
        std::fflush(stdout);
    }
}
