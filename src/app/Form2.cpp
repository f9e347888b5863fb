#include "app/Form2.h"

#include "app/Form1.h"
#include "app/ProgramState.h"
#include "canvas/FloodFill.h"
#include "platform/Random.h"
#include "platform/Stretch.h"
#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace
{
constexpr int clientWidthTwips = 7755;
constexpr int clientHeightTwips = 10185;
// Pixels kept free above the window for a window manager's title bar.
constexpr int titleBarAllowance = 40;

QLabel *label(QWidget *parent, const QString &text, const QString &family, double points, bool bold,
              QRgb colour)
{
    auto *l = new QLabel(text, parent);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    l->setPalette(palette);
    return l;
}
} // namespace

Form2::Form2(const QString &folder, QWidget *parent) : QWidget(parent), appFolder(folder)
{
    setWindowTitle(QStringLiteral("Tintaro"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    createControls();
    showMainWindow = [this] { openMainWindow(); };
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Picture1, &PictureArea::clicked, this, &Form2::Picture1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

void Form2::createControls()
{
    Label1[0] = label(this, QStringLiteral("TINTARO 6.0"), QStringLiteral("Comic Sans MS"), 27.75,
                      true, qRgb(0, 0, 255));
    setGeometryTwips(Label1[0], 1920, 120, 3855, 735);

    Picture1 = new PictureArea(this);
    setGeometryTwips(Picture1, 0, 960, 7815, 7695);
    Picture1->setPicture(QImage(QStringLiteral(":/design/title.png")));
    Picture1->setCursor(Qt::PointingHandCursor);

    Label2 =
        label(this, QStringLiteral("Nombre"), QStringLiteral("Arial"), 18, true, qRgb(0, 0, 255));
    setGeometryTwips(Label2, 720, 8760, 1575, 615);

    Text1 = new QLineEdit(this);
    QFont fieldFont(QStringLiteral("Arial"));
    fieldFont.setPointSizeF(18);
    fieldFont.setBold(true);
    Text1->setFont(fieldFont);
    setGeometryTwips(Text1, 2280, 8760, 3015, 555);

    Command1 = new QPushButton(this);
    Command1->setIcon(QIcon(QStringLiteral(":/design/hand.png")));
    Command1->setStyleSheet(QStringLiteral("background-color: white;"));
    setGeometryTwips(Command1, 5400, 8760, 1695, 615);
    Command1->setIconSize(Command1->size() - QSize(8, 8));

    Label1[1] = label(this, QStringLiteral("Pinta, colorea y juega"), QStringLiteral("Arial"),
                      14.25, false, qRgb(192, 0, 192));
    setGeometryTwips(Label1[1], 0, 9360, 7695, 495);
    Label1[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1[2] = label(this, QStringLiteral("Software gratuito"), QStringLiteral("Arial"), 14.25,
                      false, qRgb(255, 0, 0));
    setGeometryTwips(Label1[2], 0, 9720, 7815, 495);
    Label1[2]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Image1 = new ImageHolder(this);
    setGeometryTwips(Image1, 8040, 120, 1380, 1500);
    Image1->setPicture(QImage(QStringLiteral(":/design/decor.png")));

    Timer1 = new QTimer(this);
    Timer1->setInterval(350);
    Timer1->start();
}

void Form2::Form_Load()
{
    ProgramRandom::seedFromClock();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // A short screen (or one whose panels take room) gets a smaller window,
        // so that the drawing, the name field and the button all stay on it.
        fitToHeight(screen->availableGeometry().height() - titleBarAllowance);
        const double screenWidth = pixelsToTwips(screen->geometry().width());
        const double screenHeight = pixelsToTwips(screen->geometry().height());
        const double left = std::floor((screenWidth - pixelsToTwips(width())) / 2);
        const double top = std::floor((screenHeight - pixelsToTwips(height())) / 2) - 225;
        move(screen->geometry().topLeft() +
             QPoint(twipsToPixels(left), std::max(0, twipsToPixels(top))));
    }
    Picture1->setDrawingUnit(PictureArea::Unit::Pixels);
}

void Form2::fitToHeight(int pixels)
{
    if (pixels >= height())
        return;
    const double factor = static_cast<double>(std::max(pixels, 1)) / height();
    const auto scaled = [factor](int twips) {
        return static_cast<int>(std::lround(twips * factor));
    };
    for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const int left = scaled(leftTwips(control));
        const int top = scaled(topTwips(control));
        setGeometryTwips(control, left, top,
                         scaled(leftTwips(control) + widthTwips(control)) - left,
                         scaled(topTwips(control) + heightTwips(control)) - top);
        QFont font = control->font();
        font.setPointSizeF(font.pointSizeF() * factor);
        control->setFont(font);
    }
    Command1->setIconSize(Command1->size() - QSize(8, 8));
    // The drawing keeps its lines whole and its areas closed as it shrinks.
    Picture1->setPicture(
        stretchImage(Picture1->picture(), Picture1->width(), Picture1->height(), StretchMode::And));
    setFixedSize(twipsToPixels(scaled(clientWidthTwips)), twipsToPixels(scaled(clientHeightTwips)));
}

void Form2::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    QWidget::closeEvent(event);
}

void Form2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Without a window manager nobody else gives the window the keyboard.
    Text1->setFocus();
    activateWindow();
}

void Form2::Timer1_Timer()
{
    QImage &image = Picture1->image();
    const int x = static_cast<int>(ProgramRandom::next() * Picture1->width());
    const int y = static_cast<int>(ProgramRandom::next() * Picture1->height());
    const int r = static_cast<int>(ProgramRandom::next() * 256);
    const int g = static_cast<int>(ProgramRandom::next() * 256);
    const int b = static_cast<int>(ProgramRandom::next() * 256);
    Picture1->setFillColor(qRgb(r, g, b));
    const FillRegion filled = floodFillSurface(image, QPoint(x, y), qRgb(r, g, b));
    Picture1->imageChanged(filled.bounds);
}

void Form2::Command1_Click()
{
    userName = Text1->text().isEmpty() ? QStringLiteral("Sin_nombre") : Text1->text();
    if (showMainWindow)
        showMainWindow();
}

void Form2::openMainWindow()
{
    if (main)
        return;
    // Start-up closes this window before the main one shows: the program must
    // not take that moment for its end.
    const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    main = std::make_unique<Form1>(appFolder, this);
    main->Form_Load();
    // The geometry first, for a display without a window manager; the
    // full-screen state for one with it, so that no panel covers the window.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        main->setGeometry(screen->geometry());
    main->showFullScreen();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);
}
