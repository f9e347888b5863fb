#include "app/Form1.h"

// Connects this subsystem's controls to their handlers.
void Form1::connectCanvasHandlers()
{
    for (std::size_t i = 0; i < Image2.size(); ++i)
        connect(Image2[i], &ImageHolder::clicked, this,
                [this, i] { Image2_Click(static_cast<int>(i)); });
    connect(Picture1, &PictureArea::mouseDown, this, &Form1::Picture1_Mousedown);
    connect(Picture1, &PictureArea::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureArea::mouseUp, this, &Form1::Picture1_MouseUp);
}
