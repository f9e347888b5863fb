#include "app/Form1.h"

// The colour, tool and layout controls get ready in two blocks of start-up:
// block A before the first drawing is shown, block B after it. Each step that
// fails is skipped and the next one runs.

void Form1::StartUpBlockA()
{
    // Filled as the layout, shade strip and cursor template arrive.
}

void Form1::StartUpBlockB()
{
    // Filled as the indicator, textures, cursor and tool pictures arrive.
}
