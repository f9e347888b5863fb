#include "reliability/EveryControl.h"

#include "app/Form1.h"
#include "support/RecordingSoundPlayer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace
{
QPoint centreOf(const QWidget *widget)
{
    return QPoint(widget->width() / 2, widget->height() / 2);
}

// A move of the mouse with the left button held, as the platform delivers it
// during a drag (QTest's own moves carry no buttons).
void dragTo(QWidget *widget, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// One stroke of the current tool on the canvas: a press in the middle, a drag
// out of the canvas on both sides and back, a release outside it.
void strokeAcrossCanvas(Form1 &w)
{
    PictureArea *canvas = w.Picture1;
    const QPoint middle = centreOf(canvas);
    QTest::mousePress(canvas, Qt::LeftButton, {}, middle);
    for (const QPoint to : {middle + QPoint(7, 3), QPoint(-40, -40),
                            QPoint(canvas->width() + 40, canvas->height() + 40), middle})
        dragTo(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(-5, canvas->height() + 5));
    // The handlers directly, with points no mouse event would carry.
    w.Picture1_Mousedown(1, 0, -1.5f, 1e9f);
    w.Picture1_MouseMove(1, 0, 1e9f, -1e9f);
    w.Picture1_MouseUp(1, 0, -1e9f, 0.5f);
}

void paintWithEveryTool(Form1 &w)
{
    for (int tool = 0; tool < static_cast<int>(w.Image2.size()); ++tool) {
        QTest::mouseClick(w.Image2[static_cast<std::size_t>(tool)], Qt::LeftButton, {},
                          QPoint(2, 2));
        strokeAcrossCanvas(w);
    }
    QTest::mouseClick(w.Image2[0], Qt::LeftButton, {}, QPoint(2, 2));
}

void pickColours(Form1 &w)
{
    QTest::mousePress(w.Picture6, Qt::LeftButton, {}, centreOf(w.Picture6));
    QTest::mousePress(w.Picture6, Qt::RightButton, {}, QPoint(0, 0));
    w.Picture6_mousedown(1, 0, -3.0f, 1e7f);
    QTest::mouseDClick(w.Picture6, Qt::LeftButton, {}, centreOf(w.Picture6));
    for (PictureArea *swatch : w.Picture2)
        QTest::mousePress(swatch, Qt::LeftButton, {}, centreOf(swatch));
    // Once round all the thicknesses and past the wrap.
    for (int click = 0; click < 22; ++click)
        QTest::mouseClick(w.Picture4, Qt::LeftButton, {}, centreOf(w.Picture4));
}

void useTextures(Form1 &w)
{
    for (const Qt::MouseButton button :
         {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::RightButton, Qt::RightButton})
        QTest::mousePress(w.Picture7, button, {}, centreOf(w.Picture7));
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, centreOf(w.Picture1));
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, centreOf(w.Picture1));
}

void fillOnce(Form1 &w)
{
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, QPoint(3, 3));
}

QString shownKeptColouring(const Form1 &w)
{
    const QString base = w.categoryBaseName(w.categoryIndex);
    if (base.isEmpty())
        return {};
    return QStringLiteral("app/dibujos/%1/%2.bmp").arg(base).arg(w.drawingNumber);
}

// A child can press only the buttons the window shows (a disabled one does nothing).
void press(QPushButton *button)
{
    if (!button->isHidden())
        button->click();
}

void moveThroughTheCatalogue(Form1 &w)
{
    for (QPushButton *button : {w.Command4, w.Command3, w.Command3, w.Command4}) {
        fillOnce(w);
        press(button);
    }
    // Every category once, and back to the first, colouring each.
    const int categories = qMin(w.File1.listCount(), 12);
    for (int step = 0; step <= categories; ++step) {
        fillOnce(w);
        press(w.Command5);
    }
}
} // namespace

void replaceServices(Form1 &w, ServiceLog &log, const QString &pdfPath)
{
    w.setSoundPlayer(std::make_unique<RecordingSoundPlayer>(std::make_shared<QStringList>()));
    w.showMessage = [](const QString &) {};
    w.quitProgram = [&log] { ++log.quits; };
    w.openDocument = [&log](const QUrl &url) { log.opened << url; };
    w.openPrinter = [&log, pdfPath] {
        ++log.prints;
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return printer;
    };
    auto seconds = std::make_shared<int>(0);
    w.clock = [seconds] {
        return QDateTime(QDate(2024, 5, 6), QTime(10, 0)).addSecs((*seconds)++);
    };
}

QStringList useEveryControl(Form1 &w)
{
    w.resize(1024, 768);
    w.grab(); // paints the window: the tiled background
    paintWithEveryTool(w);
    pickColours(w);
    useTextures(w);
    press(w.Command9);
    press(w.Command7);
    fillOnce(w);
    press(w.Command7);
    for (int undo = 0; undo < 6; ++undo)
        press(w.Command6);
    press(w.Command10);
    press(w.Command8);
    press(w.Command11);
    moveThroughTheCatalogue(w);
    fillOnce(w);
    const QStringList erased{shownKeptColouring(w)};
    press(w.Command1);
    fillOnce(w);
    press(w.Command2);
    w.grab();
    return erased;
}
