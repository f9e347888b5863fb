#include "platform/TwipGeometry.h"

#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <QVariant>
#include <QWidget>

namespace
{
// The remembered value when it still agrees with the pixels, else the pixels.
int read(const QWidget *widget, const char *name, int pixels)
{
    const QVariant stored = widget->property(name);
    if (stored.isValid() && twipsToPixels(stored.toInt()) == pixels)
        return stored.toInt();
    return static_cast<int>(roundHalfEven(pixelsToTwips(pixels)));
}
} // namespace

int leftTwips(const QWidget *w)
{
    return read(w, "leftTwips", w->x());
}
int topTwips(const QWidget *w)
{
    return read(w, "topTwips", w->y());
}
int widthTwips(const QWidget *w)
{
    return read(w, "widthTwips", w->width());
}
int heightTwips(const QWidget *w)
{
    return read(w, "heightTwips", w->height());
}

void setLeftTwips(QWidget *w, int twips)
{
    w->setProperty("leftTwips", twips);
    w->move(twipsToPixels(twips), w->y());
}

void setTopTwips(QWidget *w, int twips)
{
    w->setProperty("topTwips", twips);
    w->move(w->x(), twipsToPixels(twips));
}

void setWidthTwips(QWidget *w, int twips)
{
    w->setProperty("widthTwips", twips);
    w->resize(qMax(0, twipsToPixels(twips)), w->height());
}

void setHeightTwips(QWidget *w, int twips)
{
    w->setProperty("heightTwips", twips);
    w->resize(w->width(), qMax(0, twipsToPixels(twips)));
}

void setGeometryTwips(QWidget *w, int left, int top, int width, int height)
{
    setLeftTwips(w, left);
    setTopTwips(w, top);
    setWidthTwips(w, width);
    setHeightTwips(w, height);
}
