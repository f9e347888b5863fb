#include "app/Form1.h"

#include <QPushButton>

// Connects this subsystem's controls to their handlers.
void Form1::connectLayoutHandlers()
{
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
}
