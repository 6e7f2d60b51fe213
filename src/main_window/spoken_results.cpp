// What a screen reader hears of the diagram: each spot with the focus says
// its readout, and each key or click says what it changed, all read from
// what the window shows, with the units in words.
#include "diagram/diagram_state.h"
#include "diagram/spoken.h"
#include "main_window/form1.h"
#include "main_window/form1_design.h"
#include "toolkit/announcement.h"

namespace {
// The readout after its caption's first colon: " 3: 1,2n 45°" gives "1,2n 45°".
QString afterColon(const QString& caption) { return caption.mid(caption.indexOf(QLatin1Char(':')) + 1); }
} // namespace

void Form1::describeResults()
{
    for (toolkit::Shape* spot : {&Vb, &Vc, &Vf, &Vcmoyen, &Vfmoyen})
        spot->describeBy([this, spot] { return readoutInWords(*spot); });
    Lv1.describeBy([this] { return windInWords(); });
}

QString Form1::spotInWords(const toolkit::Shape& spot) const
{
    return spot.accessibleName() + QStringLiteral(", ") + readoutInWords(spot);
}

// The readout that goes with a spot.
QString Form1::readoutInWords(const toolkit::Shape& spot) const
{
    if (&spot == &Vcmoyen) {
        const std::int16_t count = state_.SegmentCount;
        return spoken::inWords(afterColon(Label3.caption()))
            + (count > 1 ? QStringLiteral(", %1 heures enregistrées").arg(count) : QStringLiteral(", 1 heure enregistrée"));
    }
    if (&spot == &Vfmoyen)
        return spoken::inWords(afterColon(COGMean.caption()));
    return spoken::inWords((&spot == &Vb ? Sail : &spot == &Vc ? Flow : COG).caption());
}

// The wind window, its warning while it is red, and the VMG while shown.
QString Form1::windInWords() const
{
    QString words = spoken::windInWords(var.WindDir, var.WindAngleBoat);
    if (const QString warning = Vent.accessibleDescription(); !warning.isEmpty())
        words += QStringLiteral(", ") + warning;
    if (!VMG.caption().isEmpty())
        words += QStringLiteral(", ") + spoken::inWords(VMG.caption());
    return words;
}

void Form1::sayHour(int Index)
{
    toolkit::announceFrom(*this, [&] {
        const QString row = Label2(Index).caption();
        if (row.isEmpty())
            return QStringLiteral("heure %1 effacée").arg(Index + 1);
        return QStringLiteral("heure %1 enregistrée, ").arg(Index + 1) + spoken::inWords(afterColon(row));
    });
}

void Form1::sayScale(int Index)
{
    toolkit::announceFrom(*this, [&] { return QStringLiteral("échelle %1 nœuds choisie").arg(form1_design::ScaleKnots[Index]); });
}
