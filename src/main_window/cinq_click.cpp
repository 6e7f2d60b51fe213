#include "diagram/diagram_state.h"
#include "main_window/form1.h"

using namespace form1_design;

// Chooses how many knots the outer ring stands for, and starts the diagram
// afresh at that scale.
void Form1::Cinq_Click(std::int16_t Index)
{
    state_.ScaleKnots = ScaleKnots.at(static_cast<std::size_t>(Index));
    for (int ButtonIndex = 0; ButtonIndex < Cinq.size(); ++ButtonIndex)
        Cinq(ButtonIndex).setBackColor(colour(PaleBlue));
    Cinq(Index).setBackColor(colour(ChosenScaleGreen));
    markChosenScale(Index);
    Main();
    Calcul();
}

// What the green face tells, the description says.
void Form1::markChosenScale(int Index)
{
    for (int ButtonIndex = 0; ButtonIndex < Cinq.size(); ++ButtonIndex)
        Cinq(ButtonIndex).setAccessibleDescription(ButtonIndex == Index ? QStringLiteral("échelle choisie") : QString());
}
