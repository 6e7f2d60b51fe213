#include "diagram/diagram_state.h"
#include "diagram/readouts.h"
#include "diagram/vectors.h"
#include "main_window/form1.h"

// Records the live current for one hour. A recorded hour is changed only by
// erasing it first.
void Form1::Heure_Click(std::int16_t Index)
{
    DiagramState& s = state_;
    toolkit::Label& row = Label2(Index);
    if (!row.caption().isEmpty())
        return;
    markSlackHour(s.CurrentX, s.CurrentY);
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
