#include "app/diagram_state.h"
#include "diagram/readouts.h"
#include "main_window/form1.h"

// Records the live current for one hour. A recorded hour is changed only by
// erasing it first.
void Form1::Heure_Click(std::int16_t Index)
{
    DiagramState& s = state_;
    toolkit::Label& row = Label2(Index);
    if (!row.caption().isEmpty())
        return;
    // A slack hour still counts in the mean: it is kept as a vanishingly
    // small current rather than as "nothing recorded".
    if (s.CurrentX == 0 && s.CurrentY == 0)
        s.CurrentX = 0.01f;
    const auto i = static_cast<std::size_t>(Index);
    s.SegCurrentX.at(i) = s.CurrentX;
    s.SegCurrentY.at(i) = s.CurrentY;
    Calcul();
    row.setCaption(readouts::hourText(Index, s.SegmentText));
    Label3.setCaption(readouts::summaryText(s.SegmentCount, s.MeanCurrentSpeed, s.MeanCurrentDir, numberLocale_));
}

// Erases one hour's record.
void Form1::Raz_Click(std::int16_t Index)
{
    DiagramState& s = state_;
    toolkit::Label& row = Label2(Index);
    if (row.caption().isEmpty())
        return;
    const auto i = static_cast<std::size_t>(Index);
    s.SegCurrentX.at(i) = 0;
    s.SegCurrentY.at(i) = 0;
    Calcul();
    row.setCaption(QString());
    Label3.setCaption(s.SegmentCount > 0
                          ? readouts::summaryText(s.SegmentCount, s.MeanCurrentSpeed, s.MeanCurrentDir, numberLocale_)
                          : QString());
}
