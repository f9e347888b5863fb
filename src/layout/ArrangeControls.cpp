#include "app/Form1.h"

#include "layout/Placement.h"
#include "platform/Rounding.h"
#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace
{

// Every control the placement rules read or move, paired with its place in the
// geometry, so that reading and applying walk the same list.
template <typename Visit> void forEachPlacedControl(Form1 &w, MainWindowGeometry &g, Visit visit)
{
    visit(w.Command1, g.Command1);
    visit(w.Command2, g.Command2);
    visit(w.Command3, g.Command3);
    visit(w.Command4, g.Command4);
    visit(w.Command5, g.Command5);
    visit(w.Command6, g.Command6);
    visit(w.Command7, g.Command7);
    visit(w.Command8, g.Command8);
    visit(w.Command9, g.Command9);
    visit(w.Command10, g.Command10);
    visit(w.Command11, g.Command11);
    for (std::size_t i = 0; i < w.Picture2.size(); ++i)
        visit(w.Picture2[i], g.Picture2[i]);
    visit(w.Picture4, g.Picture4);
    visit(w.Picture5, g.Picture5);
    visit(w.Picture6, g.Picture6);
    visit(w.Picture7, g.Picture7);
    for (std::size_t i = 0; i < w.Image2.size(); ++i)
        visit(w.Image2[i], g.Image2[i]);
    visit(w.Gif89a1, g.Gif89a1);
}

QSize screenSizeInTwips(const QScreen *screen)
{
    const QSize pixels = screen ? screen->geometry().size() : QSize();
    return {static_cast<int>(roundHalfEven(pixelsToTwips(pixels.width()))),
            static_cast<int>(roundHalfEven(pixelsToTwips(pixels.height())))};
}

} // namespace

void Form1::ArrangeControls()
{
    // The main window covers the whole screen, so the screen's size is the
    // window's extent. Before the window is shown its screen is the primary one.
    const QScreen *shownOn = isVisible() ? screen() : nullptr;
    const QSize screenTwips =
        screenSizeTwips ? screenSizeTwips()
                        : screenSizeInTwips(shownOn ? shownOn : QGuiApplication::primaryScreen());
    MainWindowGeometry geometry;
    forEachPlacedControl(*this, geometry, [](const QWidget *control, TwipRect &rect) {
        rect = {leftTwips(control), topTwips(control), widthTwips(control), heightTwips(control)};
    });
    geometry = arrangeControlsForScreen(geometry, screenTwips.width(), screenTwips.height());
    forEachPlacedControl(*this, geometry, [](QWidget *control, const TwipRect &rect) {
        setGeometryTwips(control, rect.left, rect.top, rect.width, rect.height);
    });
    layoutScaleFactor = layoutScale(screenTwips.width(), screenTwips.height());
    if (layoutScaleFactor < 1)
        shrinkPictures();
}

void Form1::shrinkPictures()
{
    // The pictures loaded after the layout (palettes, textures, tool icons and
    // their animations, the category's logo) shrink with the controls.
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command5, Command6,
                                Command7, Command8, Command9, Command10, Command11})
        button->setIconSize(button->size() - QSize(6, 6));
    Picture6->setPictureScale(layoutScaleFactor);
    Picture7->setPictureScale(layoutScaleFactor);
    for (ImageHolder *icon : Image2)
        icon->setScaledContents(true);
    Gif89a1->setScale(layoutScaleFactor);
}
