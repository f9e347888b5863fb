#pragma once

#include "platform/PictureIO.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

inline QString appPath(const QString &relative)
{
    return QString(TINTARO_APP_DIR) + "/" + relative;
}

// A category as the program finds it: a logo in logos/, its drawings n.gif in
// dibujos/<logo name less its extension>/, counted up to the first missing n.
struct Category {
    QString logo, base;
    int count = 0, highest = 0; // the highest n of any n.gif
    QString drawing(int n) const { return appPath(QString("dibujos/%1/%2.gif").arg(base).arg(n)); }
};

inline std::vector<Category> categories()
{
    std::vector<Category> list;
    for (const QString &logo :
         QDir(appPath("logos")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        Category c{logo, logo.chopped(4)};
        while (QFile::exists(c.drawing(c.count + 1)))
            ++c.count;
        for (const QString &name : QDir(appPath("dibujos/" + c.base)).entryList({"*.gif"}))
            c.highest = std::max(c.highest, name.chopped(4).toInt());
        list.push_back(c);
    }
    return list;
}

// The 4-connected white areas of a picture that must be pure black and white: each
// pixel's area (-1 for black), and per area its size, or minus it when the area
// touches the border, so that a fill started inside could leak out.
struct Areas {
    std::vector<int> label, size;
    int closedOfAtLeast(int pixels) const
    {
        return int(std::count_if(size.begin(), size.end(), [=](int s) { return s >= pixels; }));
    }
};

inline Areas whiteAreas(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    Areas areas{std::vector<int>(std::size_t(w) * h, -1), {}};
    for (int start = 0, grey = 0; start < w * h; ++start) {
        const QRgb c = image.pixel(start % w, start / w);
        if (c != 0xFF000000 && c != 0xFFFFFFFF && !grey++)
            ADD_FAILURE() << "grey at " << start % w << "," << start / w;
        if (areas.label[start] >= 0 || c != 0xFFFFFFFF)
            continue;
        const int id = int(areas.size.size());
        bool open = false;
        areas.size.push_back(0);
        areas.label[start] = id;
        for (std::vector<QPoint> stack{{start % w, start / w}}; !stack.empty(); ++areas.size[id]) {
            const QPoint p = stack.back();
            stack.pop_back();
            open |= p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1;
            for (const QPoint q :
                 {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                if (image.valid(q) && areas.label[std::size_t(q.y()) * w + q.x()] < 0 &&
                    image.pixel(q) == 0xFFFFFFFF)
                    areas.label[std::size_t(q.y()) * w + q.x()] = id, stack.push_back(q);
        }
        areas.size[id] *= open ? -1 : 1;
    }
    return areas;
}
