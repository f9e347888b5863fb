#include "app/Form1.h"

#include "catalogue/PrintPage.h"
#include "platform/TwipGeometry.h"

#include <QPrinter>

void Form1::Command8_Click()
{
    Picture1->keepImageAsPicture();
    // Without a printer nothing happens: no dialog, no message.
    const std::shared_ptr<QPrinter> printer = openPrinter ? openPrinter() : nullptr;
    if (!printer)
        return;
    printPictureCentred(*printer, Picture1->picture(), widthTwips(Picture1), heightTwips(Picture1));
}
