#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "platform/ImageHolder.h"
#include "platform/PictureArea.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Form1;

// The title window: the program's name, a drawing that colours itself area by
// area at random, and the field where the child types a name.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(const QString &appFolder, QWidget *parent = nullptr);
    ~Form2() override;

    std::array<QLabel *, 3> Label1; // title, credit line, notice
    PictureArea *Picture1;          // the self-colouring title drawing; clickable
    QLabel *Label2;                 // caption of the name field
    QLineEdit *Text1;               // the name field
    QPushButton *Command1;          // continue (a pointing hand)
    ImageHolder *Image1;            // decorative picture, beyond the right edge
    QTimer *Timer1;                 // colours the title drawing every 350 ms

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    void Picture1_Click() { Command1_Click(); }
    // Shrinks the window, its controls, their fonts and the drawing by one
    // factor when the window is taller than the given height in pixels.
    void fitToHeight(int pixels);

    // Opens the main window; tests replace it.
    std::function<void()> showMainWindow;
    Form1 *mainWindow() const { return main.get(); }

protected:
    // Closing the window stops its clock: the main window closes it on taking over.
    void closeEvent(QCloseEvent *event) override;
    // The name field has the keyboard as soon as the window shows.
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void openMainWindow();

    QString appFolder;
    std::unique_ptr<Form1> main;
};
