#include "app/entree.h"

#include "app/tool_icon.h"
#include "app/tool_name.h"
#include "main_window/form1.h"
#include "toolkit/event_handler.h"
#include "toolkit/system_colours.h"

#include <cmath>

Entree::Entree() { toolkit::setToolName(ToolName); }
Entree::~Entree() = default;

// Starts the tool, and starts the diagram afresh on every change of scale:
// rose redrawn, vectors back to their defaults, hour segments erased.
void Entree::Main()
{
    DiagramState& s = state_;
    if (!form1_) {
        form1_ = std::make_unique<Form1>(state_, [this] { Main(); }, [this] { drawRose(); });
        // Made once for the whole run: every help window shares this one.
        form1_->setWindowIcon(toolIcon());
    }
    Form1& form = *form1_;
    form.show();

    form.setAutoRedraw(true);
    form.setKeyPreview(true);
    form.clearDrawing();

    s.LastSegment = 23;

    if (s.ScaleKnots == 0) {
        // The first run chooses 10 knots; that choice runs Main once more,
        // nested, before this run goes on.
        form.Cinq_Click(1);
        form.Cinq(1).setFocus();
    }

    // The radius is still the previous run's here: 0 in the nested first run.
    const float R = s.Radius;
    s.CurrentX = static_cast<float>(0.2 * R);
    s.CurrentY = static_cast<float>(-0.2 * R);
    s.BoatX = static_cast<float>(-0.5 * R);
    s.WindX = -10;
    s.WindY = 10;
    s.BoatY = static_cast<float>(-0.5 * R);

    s.SegCurrentX.assign(static_cast<std::size_t>(s.LastSegment) + 1, 0.0f);
    s.SegCurrentY.assign(static_cast<std::size_t>(s.LastSegment) + 1, 0.0f);

    const std::int16_t lastSegment = s.LastSegment;
    for (std::int16_t i = 0; i <= lastSegment; ++i) {
        form.Raz_Click(i);
        form.Heure(i).setValue(false);
    }

    s.Radius = static_cast<float>(form.Shape1.height() / 2.2);
    s.TwipsPerKnot = s.Radius / static_cast<float>(s.ScaleKnots);
    // Half the sum of edge and size, not the middle of Shape1's box: the
    // centre lies 60 twips right of and 30 above it. Kept on purpose, as the
    // tool is designed: the rose, the spots and the pointer all go by this
    // one centre, and every frame is drawn around it.
    s.CenterX = (form.Shape1.left() + form.Shape1.width()) / 2;
    s.CenterY = (form.Shape1.top() + form.Shape1.height()) / 2;
    s.Pi = static_cast<float>(4.0 * std::atan(1.0));

    drawRose();
    form.Calcul();
}

void Entree::drawRose()
{
    const DiagramState& s = state_;
    Form1& form = *form1_;
    const QColor grey = toolkit::rgb(190, 190, 190);
    const QColor green = toolkit::rgb(0, 255, 0);

    const std::int16_t rings = s.ScaleKnots;
    for (std::int16_t k = 1; k <= rings; ++k) {
        const double fifths = k / 5.0;
        const QColor colour = fifths == std::trunc(fifths) ? green : grey;
        form.drawCircle(s.CenterX, s.CenterY, static_cast<float>(k) * s.TwipsPerKnot, colour);
    }

    // Single-precision steps of Pi / 6 stop just short of Pi, so seven
    // diameters are drawn, the first and last on the same line.
    const float step = s.Pi / 6;
    for (float a = 0; a <= s.Pi; a += step) {
        const double c = std::cos(static_cast<double>(a));
        const double sn = std::sin(static_cast<double>(a));
        form.drawLine(static_cast<float>(s.CenterX - s.Radius * c), static_cast<float>(s.CenterY - s.Radius * sn),
                      static_cast<float>(s.CenterX + s.Radius * c), static_cast<float>(s.CenterY + s.Radius * sn), grey);
    }
}
