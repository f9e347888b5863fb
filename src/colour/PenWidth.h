#pragma once

// The thickness of the pencil's and the line's strokes, chosen with clicks on
// the indicator: 2 at start-up, each click 2 pixels thicker, and once past 40
// it starts again at 1 (1, 3, ... 39, then 1 again).
class PenWidth
{
public:
    int width() const { return pixels; }
    // One click on the indicator; true when it started again from the thinnest.
    bool next();

private:
    int pixels = 2;
};
