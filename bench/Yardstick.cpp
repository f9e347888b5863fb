#include "Yardstick.h"

#include <cstdlib>

#ifdef TINTARO_HAVE_OPENCV
#include <opencv2/imgproc.hpp>

bool yardstickAvailable()
{
    return true;
}

void yardstickFill(QImage &image, QPoint seed, QRgb fill)
{
    // One 32-bit integer per pixel: OpenCV compares the packed pixel exactly,
    // and with both differences zero and no mask it takes its plain fill.
    cv::Mat pixels(image.height(), image.width(), CV_32SC1, image.bits(),
                   std::size_t(image.bytesPerLine()));
    cv::floodFill(pixels, cv::Point(seed.x(), seed.y()), cv::Scalar(double(qint32(fill))), nullptr,
                  cv::Scalar(0), cv::Scalar(0), 4 | cv::FLOODFILL_FIXED_RANGE);
}

#else

bool yardstickAvailable()
{
    return false;
}

void yardstickFill(QImage &, QPoint, QRgb)
{
    std::abort(); // callers ask yardstickAvailable() first
}

#endif
