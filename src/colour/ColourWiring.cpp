#include "app/Form1.h"

#include <QPushButton>

// Connects this subsystem's controls to their handlers.
void Form1::connectColourHandlers()
{
    connect(Picture6, &PictureArea::mouseDown, this, &Form1::Picture6_mousedown);
    connect(Picture6, &PictureArea::doubleClicked, this, &Form1::Picture6_DblClick);
    for (std::size_t i = 0; i < Picture2.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(Picture2[i], &PictureArea::mouseDown, this,
                [this, index](int button, int shift, float x, float y) {
                    picture2_MouseDown(index, button, shift, x, y);
                });
    }
    connect(Picture4, &PictureArea::clicked, this, &Form1::Picture4_Click);
    connect(Picture7, &PictureArea::mouseDown, this, &Form1::Picture7_MouseDown);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
}
