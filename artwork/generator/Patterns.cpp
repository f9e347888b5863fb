#include "Patterns.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace
{

using Painting = std::function<void(QPainter &)>;

// Paints the shapes nine times, shifted by the tile's size in every direction,
// so whatever crosses an edge comes back on the opposite one: the tile is seamless.
QImage wrappedTile(QSize size, QColor ground, const Painting &paint)
{
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(ground);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * size.width(), dy * size.height());
            paint(painter);
            painter.restore();
        }
    return tile;
}

QPainterPath starPath(QPointF centre, double outer, double inner, double turn)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * std::numbers::pi / 5 - std::numbers::pi / 2;
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        i ? path.lineTo(p) : path.moveTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, 0.9 * s));
    path.cubicTo(c + QPointF(-1.3 * s, -0.1 * s), c + QPointF(-0.6 * s, -1.0 * s),
                 c + QPointF(0, -0.35 * s));
    path.cubicTo(c + QPointF(0.6 * s, -1.0 * s), c + QPointF(1.3 * s, -0.1 * s),
                 c + QPointF(0, 0.9 * s));
    return path;
}

QImage stripes(QSize size)
{
    // Bands of 4x/W + 3y/H = k + [0, 0.5): a whole number of bands across each period.
    return wrappedTile(size, QColor("#FFFFFF"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        const double gradient = std::hypot(4 / w, 3 / h);
        p.setPen(QPen(QColor("#F48FB1"), 0.5 / gradient, Qt::SolidLine, Qt::FlatCap));
        for (int k = -4; k <= 8; ++k) {
            const double t = k + 0.25;
            const auto at = [&](double y) { return QPointF((t - 3 * y / h) * w / 4, y); };
            p.drawLine(at(-h), at(2 * h));
        }
    });
}

QImage dots(QSize size)
{
    return wrappedTile(size, QColor("#E53935"), [size](QPainter &p) {
        p.setBrush(QColor("#FFFFFF"));
        const double cw = size.width() / 4.0, ch = size.height() / 3.0;
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 4; ++i) {
                const double shift = (j % 2) * cw / 2;
                p.drawEllipse(QPointF((i + 0.5) * cw + shift, (j + 0.5) * ch), 6.5, 6.5);
            }
    });
}

QImage gingham(QSize size)
{
    return wrappedTile(size, QColor("#FFFFFF"), [size](QPainter &p) {
        const double cw = size.width() / 6.0;
        const QColor band(66, 133, 244, 110);
        p.setBrush(band);
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(i * cw, 0, cw / 2, size.height()));
        for (int j = 0; j < 5; ++j)
            p.drawRect(QRectF(0, j * size.height() / 5.0, size.width(), size.height() / 10.0));
    });
}

QImage bricks(QSize size)
{
    return wrappedTile(size, QColor("#EFE3D3"), [size](QPainter &p) {
        p.setBrush(QColor("#D0643B"));
        const double rowH = size.height() / 4.0, brickW = size.width() / 2.0, mortar = 3;
        for (int row = 0; row < 4; ++row)
            for (int i = -1; i < 2; ++i) {
                const double x = i * brickW + (row % 2) * brickW / 2;
                p.drawRoundedRect(
                    QRectF(x + mortar / 2, row * rowH + mortar / 2, brickW - mortar, rowH - mortar),
                    2, 2);
            }
    });
}

QImage waves(QSize size)
{
    return wrappedTile(size, QColor("#B3E5FC"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        const QColor colours[] = {QColor("#4FC3F7"), QColor("#0288D1")};
        for (int band = 0; band < 4; ++band) {
            QPainterPath path;
            const double base = band * h / 4;
            for (int x = 0; x <= 2 * int(w); ++x) {
                const double y = base + 5 * std::sin(2 * std::numbers::pi * 2 * x / w);
                x ? path.lineTo(x - w / 2, y) : path.moveTo(x - w / 2, y);
            }
            p.setPen(QPen(colours[band % 2], 5, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    });
}

QImage stars(QSize size)
{
    return wrappedTile(size, QColor("#283593"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        p.setBrush(QColor("#FFD54F"));
        p.drawPath(starPath({w * 0.25, h * 0.3}, 13, 5.5, 0.0));
        p.drawPath(starPath({w * 0.75, h * 0.78}, 13, 5.5, 0.3));
        p.setBrush(QColor("#FFF176"));
        p.drawPath(starPath({w * 0.78, h * 0.3}, 8, 3.5, 0.2));
        p.drawPath(starPath({w * 0.22, h * 0.8}, 8, 3.5, 0.5));
        p.setBrush(QColor("#FFF59D"));
        p.drawEllipse(QPointF(w * 0.72, h * 0.2), 2.5, 2.5);
        p.drawEllipse(QPointF(w * 0.15, h * 0.85), 2.5, 2.5);
        p.drawEllipse(QPointF(w * 0.5, h * 0.55), 2, 2);
    });
}

QImage hearts(QSize size)
{
    return wrappedTile(size, QColor("#FCE4EC"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        p.setBrush(QColor("#E91E63"));
        p.drawPath(heartPath({w * 0.25, h * 0.3}, 13));
        p.drawPath(heartPath({w * 0.75, h * 0.78}, 13));
        p.setBrush(QColor("#F48FB1"));
        p.drawPath(heartPath({w * 0.75, h * 0.28}, 9));
        p.drawPath(heartPath({w * 0.25, h * 0.8}, 9));
    });
}

QImage scales(QSize size)
{
    return wrappedTile(size, QColor("#1B5E20"), [size](QPainter &p) {
        const double cw = size.width() / 4.0, rowH = size.height() / 6.0;
        p.setPen(QPen(QColor("#1B5E20"), 2));
        for (int row = 0; row < 7; ++row)
            for (int i = -1; i < 5; ++i) {
                const double x = (i + 0.5) * cw + (row % 2) * cw / 2;
                const double y = row * rowH;
                p.setBrush(row % 2 ? QColor("#66BB6A") : QColor("#81C784"));
                p.drawEllipse(QPointF(x, y), cw / 2, cw / 2);
            }
    });
}

QImage flowers(QSize size)
{
    return wrappedTile(size, QColor("#DCEDC8"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        const struct {
            QPointF at;
            QColor petals;
        } flowers[] = {{{w * 0.25, h * 0.3}, QColor("#BA68C8")},
                       {{w * 0.75, h * 0.75}, QColor("#FF8A65")},
                       {{w * 0.75, h * 0.25}, QColor("#4FC3F7")},
                       {{w * 0.25, h * 0.78}, QColor("#F06292")}};
        for (const auto &f : flowers) {
            p.setBrush(f.petals);
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * std::numbers::pi / 5;
                p.drawEllipse(f.at + QPointF(8 * std::cos(a), 8 * std::sin(a)), 6, 6);
            }
            p.setBrush(QColor("#FFEB3B"));
            p.drawEllipse(f.at, 5, 5);
        }
    });
}

QImage zigzag(QSize size)
{
    return wrappedTile(size, QColor("#FFF8E1"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        const QColor colours[] = {QColor("#FFB300"), QColor("#26A69A")};
        for (int band = 0; band < 4; ++band) {
            QPainterPath path;
            const double y = band * h / 4;
            path.moveTo(-w, y);
            for (int i = -8; i <= 16; ++i)
                path.lineTo(i * w / 8, y + (i % 2 ? 7 : -7));
            p.setPen(QPen(colours[band % 2], 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    });
}

QImage swatches(QSize size, int columns, const std::vector<std::vector<QColor>> &rows)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int count = int(rows.size());
    for (int r = 0; r < count; ++r) {
        const int top = r * size.height() / count;
        const int bottom = (r + 1) * size.height() / count;
        for (int c = 0; c < columns; ++c) {
            const int left = c * size.width() / columns;
            const int right = (c + 1) * size.width() / columns;
            painter.fillRect(QRect(left, top, right - left, bottom - top),
                             rows[size_t(r)][size_t(c)]);
        }
    }
    return image;
}

} // namespace

QImage largePalette(QSize size)
{
    std::vector<std::vector<QColor>> rows;
    const double lightness[] = {0.80, 0.62, 0.46, 0.30};
    for (int hue = 0; hue < 360; hue += 18) {
        std::vector<QColor> row;
        for (double l : lightness)
            row.push_back(QColor::fromHslF(hue / 360.0, 0.85, l));
        rows.push_back(row);
    }
    rows.push_back({QColor("#FFE0C8"), QColor("#F1B98F"), QColor("#C68642"), QColor("#8D5524")});
    rows.push_back({QColor("#D7B899"), QColor("#A1785A"), QColor("#6D4C36"), QColor("#3E2A1C")});
    rows.push_back({QColor("#FFFFFF"), QColor("#D4D4D4"), QColor("#AAAAAA"), QColor("#808080")});
    rows.push_back({QColor("#5A5A5A"), QColor("#383838"), QColor("#1C1C1C"), QColor("#000000")});
    return swatches(size, 4, rows);
}

QImage smallPalette(QSize size)
{
    return swatches(size, 2,
                    {{QColor("#E53935"), QColor("#FB8C00")},
                     {QColor("#FFEB3B"), QColor("#8BC34A")},
                     {QColor("#2E7D32"), QColor("#4FC3F7")},
                     {QColor("#1E40C8"), QColor("#8E44AD")},
                     {QColor("#F48FB1"), QColor("#8D5524")},
                     {QColor("#FFD1B0"), QColor("#757575")}});
}

std::vector<Texture> textures(QSize size)
{
    return {{"bloques.gif", bricks(size)},  {"corazones.bmp", hearts(size)},
            {"cuadros.jpg", gingham(size)}, {"escamas.gif", scales(size)},
            {"estrellas.jpg", stars(size)}, {"flores.bmp", flowers(size)},
            {"lunares.gif", dots(size)},    {"olas.bmp", waves(size)},
            {"rayas.jpg", stripes(size)},   {"zigzag.gif", zigzag(size)}};
}

QImage backgroundTile(QSize size)
{
    return wrappedTile(size, QColor("#E4EEF8"), [size](QPainter &p) {
        const double w = size.width(), h = size.height();
        p.setBrush(QColor("#EDF3FA"));
        p.drawEllipse(QPointF(w * 0.25, h * 0.25), w * 0.16, w * 0.16);
        p.drawEllipse(QPointF(w * 0.75, h * 0.75), w * 0.16, w * 0.16);
        p.setBrush(QColor("#DCE8F5"));
        p.drawEllipse(QPointF(w * 0.75, h * 0.25), w * 0.05, w * 0.05);
        p.drawEllipse(QPointF(w * 0.25, h * 0.75), w * 0.05, w * 0.05);
    });
}
