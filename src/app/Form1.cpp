#include "app/Form1.h"

#include "catalogue/SavedNames.h"
#include "layout/Placement.h"
#include "platform/TwipGeometry.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace
{
QPushButton *pictureButton(QWidget *parent, const QString &resource)
{
    auto *button = new QPushButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(resource));
    button->setFlat(false);
    return button;
}

void place(QWidget *widget, const TwipRect &rect)
{
    setGeometryTwips(widget, rect.left, rect.top, rect.width, rect.height);
}
} // namespace

Form1::Form1(const QString &appFolderPath, QWidget *titleWindowToClose)
    : QWidget(nullptr), programFolder(appFolderPath), titleWindow(titleWindowToClose),
      sound(std::make_unique<SystemSoundPlayer>())
{
    setWindowTitle(QStringLiteral("Tintaro"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    showMessage = [this](const QString &text) {
        QMessageBox::information(this, QCoreApplication::applicationName(), text);
    };
    createControls();
    connectCatalogueHandlers();
    connectCanvasHandlers();
    connectColourHandlers();
    connectLayoutHandlers();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const MainWindowGeometry design = designGeometry();

    Command1 = pictureButton(this, QStringLiteral(":/design/Command1.png"));
    Command2 = pictureButton(this, QStringLiteral(":/design/Command2.png"));
    Command3 = pictureButton(this, QStringLiteral(":/design/Command3.png"));
    Command4 = pictureButton(this, QStringLiteral(":/design/Command4.png"));
    Command5 = pictureButton(this, QString());
    Command6 = pictureButton(this, QStringLiteral(":/design/Command6.png"));
    Command7 = pictureButton(this, QStringLiteral(":/design/Command7.png"));
    Command8 = pictureButton(this, QStringLiteral(":/design/Command8.png"));
    Command9 = pictureButton(this, QStringLiteral(":/design/Command9.png"));
    Command10 = pictureButton(this, QStringLiteral(":/design/Command10.png"));
    Command11 = pictureButton(this, QStringLiteral(":/design/Command11.png"));
    const std::array<std::pair<QPushButton *, TwipRect>, 11> buttons{{
        {Command1, design.Command1},
        {Command2, design.Command2},
        {Command3, design.Command3},
        {Command4, design.Command4},
        {Command5, design.Command5},
        {Command6, design.Command6},
        {Command7, design.Command7},
        {Command8, design.Command8},
        {Command9, design.Command9},
        {Command10, design.Command10},
        {Command11, design.Command11},
    }};
    for (const auto &[button, rect] : buttons) {
        place(button, rect);
        button->setIconSize(button->size() - QSize(6, 6));
    }

    Picture5 = new PictureArea(this);
    place(Picture5, design.Picture5);
    Picture5->setBackColor(qRgb(255, 255, 255));
    Picture1 = new PictureArea(Picture5);
    Picture1->setAutoSize(true);
    Picture1->setDrawingUnit(PictureArea::Unit::Pixels);
    Picture1->hide();

    for (std::size_t i = 0; i < Picture2.size(); ++i) {
        Picture2[i] = new PictureArea(this);
        place(Picture2[i], design.Picture2[i]);
    }
    Picture3 = new PictureArea(this);
    setGeometryTwips(Picture3, 0, 0, 495, 495); // 33 x 33 pixels in the design
    Picture3->hide();
    Picture4 = new PictureArea(this);
    place(Picture4, design.Picture4);
    Picture6 = new PictureArea(this);
    place(Picture6, design.Picture6);
    Picture6->setAutoSize(true);
    Picture7 = new PictureArea(this);
    place(Picture7, design.Picture7);
    Picture8 = new PictureArea(this);
    Picture8->setAutoSize(true);
    Picture8->hide();

    for (std::size_t i = 0; i < Image2.size(); ++i) {
        Image2[i] = new ImageHolder(this);
        place(Image2[i], design.Image2[i]);
        Image2[i]->setCursor(Qt::PointingHandCursor);
    }
    Image4 = new ImageHolder(this);
    Image4->setStorageOnly(true);
    Image4->hide();
    Gif89a1 = new AnimatedPicture(this);
    place(Gif89a1, design.Gif89a1);
}

QString Form1::appPath(const QString &relative) const
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return appFolder + path;
}

QString Form1::categoryBaseName(int index) const
{
    const QString logo = File1.list(index);
    // A logo name needs an extension and at least one character before it.
    if (logo.size() <= 4)
        return {};
    const QString base = logo.left(logo.size() - 4);
    return isOneFolderName(base) ? base : QString();
}

QString Form1::categoryFolder(int index) const
{
    const QString base = categoryBaseName(index);
    if (base.isEmpty())
        return {};
    // The fixed part is made a path first; the name goes in as it is.
    return appPath(QStringLiteral("\\dibujos\\")) + base + QLatin1Char('/');
}

QString Form1::drawingPath(const QString &extension) const
{
    const QString folder = categoryFolder(position.category());
    if (folder.isEmpty())
        return {};
    return folder + QString::number(position.drawing()) + extension;
}

void Form1::playSound(const QString &relative)
{
    if (sound)
        sound->play(appPath(relative));
}

void Form1::paintEvent(QPaintEvent *)
{
    Form_Paint();
}
