#include "diagram/diagram_state.h"
#include "main_window/form1.h"
#include "numbers/number_services.h"
#include "toolkit/system_colours.h"

// Chooses how many knots the outer ring stands for, and starts the diagram
// afresh at that scale.
void Form1::Cinq_Click(std::int16_t Index)
{
    state_.ScaleKnots = numbers::checkedInt16((Index + 1) * 5);
    for (std::int16_t ButtonIndex = 0; ButtonIndex <= 3; ++ButtonIndex)
        Cinq(ButtonIndex).setBackColor(toolkit::rgb(192, 192, 255));
    Cinq(Index).setBackColor(toolkit::rgb(100, 255, 100));
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
