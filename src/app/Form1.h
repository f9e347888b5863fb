#pragma once

#include <QDateTime>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "canvas/PaintChoice.h"
#include "catalogue/CataloguePosition.h"
#include "catalogue/UndoHistory.h"
#include "colour/PenWidth.h"
#include "platform/AnimatedPicture.h"
#include "platform/BackgroundWriter.h"
#include "platform/FileList.h"
#include "platform/ImageHolder.h"
#include "platform/PictureArea.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemServices.h"

class QPushButton;

// The main window: one line drawing on a canvas and everything a child needs
// to colour it. This header is the map of the window: its controls and every
// handler, public, and its state, private, held mostly by small classes that
// keep their own rules (CataloguePosition, PaintChoice, PenWidth); handlers
// read as steps on them. The handlers live in the folders of their subsystems:
// app/ (start-up, background), catalogue/ (drawings, files, undo, quitting),
// canvas/ (painting tools, cursor), colour/ (colours, thickness, textures,
// mosaic lines), layout/ (placement, fit toggle).
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // appFolderPath: the folder that holds the program's content (normally the
    // executable's folder). titleWindow: closed at the end of start-up.
    explicit Form1(const QString &appFolderPath, QWidget *titleWindow = nullptr);
    ~Form1() override;

    // ---- Controls --------------------------------------------------------
    QPushButton *Command1;  // start the drawing again (eraser)
    QPushButton *Command2;  // quit (white cross on red)
    QPushButton *Command3;  // previous drawing (arrow left)
    QPushButton *Command4;  // next drawing (arrow right)
    QPushButton *Command5;  // next category: shows the category's logo, green or yellow
    QPushButton *Command6;  // undo (curved arrow)
    QPushButton *Command7;  // fit toggle: stretched or natural size (magnifying glass)
    QPushButton *Command8;  // print (printer)
    QPushButton *Command9;  // mosaic lines (grid with coloured cells)
    QPushButton *Command10; // save a snapshot under the child's name (camera)
    QPushButton *Command11; // open the last saved snapshot (round button)
    PictureArea *Picture1;  // the canvas, inside the frame Picture5; draws in pixels
    std::array<PictureArea *, 16> Picture2; // shade strip: 0..7 lighter, 8..15 darker
    PictureArea *Picture3;                  // hidden template of the colour cursor (39 x 39 arrow)
    PictureArea *Picture4;                  // line-thickness indicator (shown for pencil and line)
    PictureArea *Picture5;                  // frame that holds the canvas
    PictureArea *Picture6;               // palette picture (small in simple mode, large otherwise)
    PictureArea *Picture7;               // texture preview; draws in twips
    PictureArea *Picture8;               // hidden holder of the drawing as loaded from disk
    std::array<ImageHolder *, 3> Image2; // tool icons: fill, pencil, straight line
    ImageHolder *Image4;                 // hidden holder of the canvas's current cursor picture
    AnimatedPicture *Gif89a1;            // animation over the chosen tool's icon
    FileList File1{FileList::Order::ForReaders}; // categories: the files of "logos"
    FileList File2;                              // textures: the files of "texturas"
    FileList File4;                              // saved snapshots: the files of "Misdibujos"

    // ---- Start-up and window ----------------------------------------------
    void Form_Load();
    void Form_Paint();
    void TileBackground(const QString &path);
    void StartUpBlockA(); // colour, tool and layout controls before the first drawing
    void StartUpBlockB(); // ... and after it

    // ---- Catalogue --------------------------------------------------------
    void LoadCurrentDrawing();
    void CountDrawings();
    void ShowDrawing();
    void ApplyDrawingMode();

    // ---- Navigation, kept colourings, saving, printing, undo, quitting ------
    void command4_Click(); // next drawing
    void command3_click(); // previous drawing
    void Command5_Click(); // next category
    void Command1_Click(); // start the drawing again
    void SaveColouredCopy();
    void Command10_Click(); // save a snapshot
    void Command8_Click();  // print
    void UndoLastStep();
    void Command6_Click();  // undo
    void Command11_Click(); // open the last saved snapshot
    void Command2_Click();  // quit
    // Kept colourings reach the disk behind the window, in order; coming back
    // to a drawing and quitting take what is still on its way into account.
    BackgroundWriter keptColourings;
    // Undo steps are told apart by the visit of the drawing they were taken
    // on: every load of a drawing starts a new visit.
    void beginDrawingVisit();
    DrawingVisit shownVisit;
    UndoHistory undoHistory; // the last four painting steps
    // The fit toggle's last press on the drawing shown: the canvas before it,
    // and how to tell the canvas it made (not the canvas itself, which would
    // be a second canvas of memory, and a copy at the next press), so that the
    // next press can give the first back exactly.
    struct FitToggleMemory {
        DrawingVisit visit;
        std::shared_ptr<const CompactImage> before;
        qint64 shownKey = 0;  // QImage::cacheKey: changes with every change of the pixels
        size_t shownHash = 0; // the pixels', when they were changed back
        QSize shownSize;
    } fitMemory;

    // ---- Canvas and tools -------------------------------------------------
    void Picture1_Mousedown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void SaveUndoStep();
    void Image2_Click(int index);
    void LoadToolIcons();
    void UpdateColourCursor();

    // ---- Colours, thickness, textures, mosaic lines -------------------------
    void Picture6_mousedown(int button, int shift, float x, float y);
    void picture2_MouseDown(int index, int button, int shift, float x, float y);
    void FillShadeSwatches();
    void Picture6_DblClick();
    void Picture4_Click();
    void Picture7_MouseDown(int button, int shift, float x, float y);
    void Command9_Click(); // mosaic lines

    // ---- Layout -------------------------------------------------------------
    void ArrangeControls();
    void Command7_Click(); // fit toggle
    // The screen's width and height in twips for ArrangeControls; when empty, the
    // size of the screen the window is on (the primary screen before it shows).
    std::function<QSize()> screenSizeTwips;

    // ---- Services the tests replace ---------------------------------------
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player) { sound = std::move(player); }
    // Shows the program's one message (the missing background picture).
    std::function<void(const QString &)> showMessage;
    // The time that names a saved colouring.
    std::function<QDateTime()> clock = &QDateTime::currentDateTime;
    // The printer a print goes to; null when there is none.
    std::function<std::shared_ptr<QPrinter>()> openPrinter = &openDefaultPrinter;
    // Opens a file in the desktop's program for it.
    std::function<void(const QUrl &)> openDocument = &openWithDesktop;
    // Ends the program.
    std::function<void()> quitProgram = &quitApplication;

    // A path under the application folder from one of the program's own fixed
    // relative paths, written with backslashes: "\sonidos\sonido1.wav". Never
    // give it data such as a category name: its backslashes become separators.
    QString appPath(const QString &relative) const;
    // Base name of category i (its logo name less the extension), or empty for
    // a missing entry, a logo name too short to have one, or a base name that
    // cannot be one folder name (see isOneFolderName).
    QString categoryBaseName(int index) const;
    // The drawings' folder of category i, ending in a separator, with the base
    // name as one folder name; empty when the category has no base name.
    QString categoryFolder(int index) const;
    // The current drawing's file with the extension; empty without a category.
    QString drawingPath(const QString &extension) const;
    void playSound(const QString &relative);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Closed by the window manager, a logout or another program: left as the
    // quit button leaves it.
    void closeEvent(QCloseEvent *event) override;

private:
    friend struct WindowAccess; // tests and benchmarks read and set the state

    // ---- State of the main window ------------------------------------------
    CataloguePosition position;    // category, drawing shown, drawings in the category
    PaintChoice paint;             // tool, current colour, colour or texture, texture shown
    PenWidth penWidth;             // the pencil's and the line's thickness
    bool drawingChanged = false;   // painted on since it was loaded
    bool simpleMode = false;       // category for the youngest ("peque" in its name)
    QPointF lastPoint;             // pencil's last point or straight line's start (y whole)
    QString appFolder;             // the application folder
    QString fitSetting;            // first line of "adaptar.txt"; "SI" stretches drawings
    bool naturalSizeShown = false; // shown at natural size: the fit toggle stretches next
    // Below 1 on a screen smaller than 1024 x 768, which shrinks the whole
    // window by this factor so that every control stays on the screen.
    double layoutScaleFactor = 1;

    // Kept by the background painter for the life of the window.
    struct BackgroundCache {
        QImage backgroundPicture;
        qint32 tileWidth = 0;  // twips
        qint32 tileHeight = 0; // twips
        bool failureReported = false;
        QPixmap tilePixmap; // the picture at its tile size, ready for the screen
    } backgroundCache;

    void createControls();
    void shrinkPictures();
    // Each subsystem connects its controls' events to its handlers.
    void connectCatalogueHandlers();
    void connectCanvasHandlers();
    void connectColourHandlers();
    void connectLayoutHandlers();
    void readSettings(QString *borra, QString *impresora, QString *guarda);
    void cleanUpColouredCopies();
    // Painting steps of the canvas (canvas/), at canvas pixel positions.
    void fillWithCurrentColour(QPoint at);
    void fillWithTexture(QPoint at);
    void rememberPoint(float x, float y);
    // Begins the undo step of a step that does not mark the drawing as changed.
    void keepUndoSnapshot();
    void drawLineFromLastPoint(float x, float y);

    QString programFolder; // where start-up finds the content
    QWidget *titleWindow;
    std::unique_ptr<SoundPlayer> sound;
};
