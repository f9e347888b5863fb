#include "app/Form1.h"

// Connects this subsystem's controls to their handlers.
void Form1::connectCanvasHandlers()
{
}
