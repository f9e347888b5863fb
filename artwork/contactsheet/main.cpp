// Draws every category logo and every drawing of the generated content into
// one picture, a row per category, so the whole set can be judged at a glance.
//
//   tintaro_contact_sheet <application dir> <output.png>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTextStream>

namespace
{

const QSize thumb(240, 168);
const int gap = 12;
const int labelWidth = 130;

QImage load(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QStringList numberedDrawings(const QString &folder)
{
    QStringList paths;
    for (int n = 1; QFile::exists(folder + "/" + QString::number(n) + ".gif"); ++n)
        paths << folder + "/" + QString::number(n) + ".gif";
    return paths;
}

void drawCategory(QPainter &p, int top, const QString &appDir, const QString &logo)
{
    const QString base = logo.chopped(4);
    const QImage logoImage = load(appDir + "/logos/" + logo);
    p.drawImage(QPoint(gap + (labelWidth - logoImage.width()) / 2, top + 20), logoImage);
    p.setPen(Qt::black);
    p.drawText(QRect(gap, top + 95, labelWidth, 30), Qt::AlignHCenter, base);
    int left = gap + labelWidth;
    for (const QString &path : numberedDrawings(appDir + "/dibujos/" + base)) {
        const QImage drawing = load(path).convertToFormat(QImage::Format_RGB32);
        const QImage small = drawing.scaled(thumb, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(QPoint(left, top), small);
        p.setPen(QColor("#9E9E9E"));
        p.drawRect(QRect(QPoint(left, top), small.size()).adjusted(0, 0, -1, -1));
        left += thumb.width() + gap;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 3) {
        QTextStream(stderr) << "usage: tintaro_contact_sheet <application dir> <output.png>\n";
        return 2;
    }
    const QString appDir = app.arguments()[1];
    const QStringList logos =
        QDir(appDir + "/logos").entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    int widest = 0;
    for (const QString &logo : logos)
        widest =
            std::max(widest, int(numberedDrawings(appDir + "/dibujos/" + logo.chopped(4)).size()));
    QImage sheet(gap + labelWidth + widest * (thumb.width() + gap),
                 gap + int(logos.size()) * (thumb.height() + gap), QImage::Format_RGB32);
    sheet.fill(QColor("#F2F2F2"));
    QPainter painter(&sheet);
    for (int i = 0; i < logos.size(); ++i)
        drawCategory(painter, gap + i * (thumb.height() + gap), appDir, logos[i]);
    painter.end();
    return sheet.save(app.arguments()[2], "PNG") ? 0 : 1;
}
