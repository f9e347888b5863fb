#include "reliability/RandomActions.h"

#include "app/Form1.h"

#include <QPushButton>

#include <array>

namespace
{
struct Weighted {
    Action action;
    int weight;
};

constexpr std::array<Weighted, 16> actionWeights{{
    {Action::Fill, 20},
    {Action::PencilStroke, 10},
    {Action::StraightLine, 6},
    {Action::PalettePick, 8},
    {Action::SwatchPick, 6},
    {Action::Texture, 4},
    {Action::Thickness, 3},
    {Action::Mosaic, 2},
    {Action::NextDrawing, 6},
    {Action::PreviousDrawing, 4},
    {Action::NextCategory, 4},
    {Action::StartAgain, 2},
    {Action::Undo, 8},
    {Action::FitToggle, 3},
    {Action::Save, 2},
    {Action::Quit, 1},
}};

float anywhere(std::mt19937 &random, double extent)
{
    // Mostly inside, now and then a little outside, where a drag can go.
    std::uniform_real_distribution<double> along(-0.05 * extent, 1.05 * extent);
    return static_cast<float>(along(random));
}

void chooseTool(Form1 &w, int tool)
{
    w.Image2_Click(tool);
}

void drag(Form1 &w, std::mt19937 &random, int moves)
{
    const double width = w.Picture1->scaleWidth(), height = w.Picture1->scaleHeight();
    w.Picture1_Mousedown(1, 0, anywhere(random, width), anywhere(random, height));
    for (int move = 0; move < moves; ++move)
        w.Picture1_MouseMove(1, 0, anywhere(random, width), anywhere(random, height));
    w.Picture1_MouseUp(1, 0, anywhere(random, width), anywhere(random, height));
}

void press(QPushButton *button)
{
    if (!button->isHidden())
        button->click();
}
} // namespace

const char *actionName(Action action)
{
    static const char *const names[] = {
        "Fill",        "PencilStroke",    "StraightLine", "PalettePick",
        "SwatchPick",  "Texture",         "Thickness",    "Mosaic",
        "NextDrawing", "PreviousDrawing", "NextCategory", "StartAgain",
        "Undo",        "FitToggle",       "Save",         "Quit"};
    return names[static_cast<int>(action)];
}

Action pickAction(std::mt19937 &random)
{
    int total = 0;
    for (const Weighted &w : actionWeights)
        total += w.weight;
    int ticket = std::uniform_int_distribution<int>(0, total - 1)(random);
    for (const Weighted &w : actionWeights) {
        if (ticket < w.weight)
            return w.action;
        ticket -= w.weight;
    }
    return Action::Fill;
}

void perform(Form1 &w, Action action, std::mt19937 &random)
{
    std::uniform_int_distribution<int> coin(0, 1);
    switch (action) {
    case Action::Fill:
        // Choosing the fill tool would also end a texture choice: only now and then.
        if (w.currentTool != 0 && coin(random))
            chooseTool(w, 0);
        drag(w, random, 0);
        break;
    case Action::PencilStroke:
        chooseTool(w, 1);
        drag(w, random, std::uniform_int_distribution<int>(1, 8)(random));
        break;
    case Action::StraightLine:
        chooseTool(w, 2);
        drag(w, random, 2);
        break;
    case Action::PalettePick:
        w.Picture6_mousedown(1, 0, anywhere(random, w.Picture6->scaleWidth()),
                             anywhere(random, w.Picture6->scaleHeight()));
        break;
    case Action::SwatchPick:
        w.picture2_MouseDown(std::uniform_int_distribution<int>(0, 15)(random), 1, 0, 2, 2);
        break;
    case Action::Texture:
        w.Picture7_MouseDown(coin(random) ? 1 : 2, 0, 10, 10);
        break;
    case Action::Thickness:
        w.Picture4_Click();
        break;
    case Action::Mosaic:
        press(w.Command9);
        break;
    case Action::NextDrawing:
        press(w.Command4);
        break;
    case Action::PreviousDrawing:
        press(w.Command3);
        break;
    case Action::NextCategory:
        press(w.Command5);
        break;
    case Action::StartAgain:
        press(w.Command1);
        break;
    case Action::Undo:
        press(w.Command6);
        break;
    case Action::FitToggle:
        press(w.Command7);
        break;
    case Action::Save:
        press(w.Command10);
        break;
    case Action::Quit:
        press(w.Command2);
        break;
    }
}

bool showsDrawingAfresh(Action action)
{
    return action == Action::NextDrawing || action == Action::PreviousDrawing ||
           action == Action::NextCategory || action == Action::StartAgain;
}
