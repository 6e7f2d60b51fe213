#include "recorded_tool.h"

#include "toolkit/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <cmath>

RecordedTool::RecordedTool()
{
    Form1& f = form();
    // Nothing is painted until the platform has exposed the window.
    while (!f.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (int hour = 0; hour < f.Heure.size(); ++hour) {
        moveFromCentre(state().CurrentX + 30, state().CurrentY);
        f.Heure(hour).click();
    }
    paintFrame();
}

void RecordedTool::pointerMove(QPointF pixel)
{
    QMouseEvent move(QEvent::MouseMove, pixel, form().mapToGlobal(pixel), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form(), &move);
}

// Delivering every posted event, as each turn of the event loop does, both
// runs the window's update request and lets Qt drop the delivered entries.
void RecordedTool::paintFrame() { QCoreApplication::sendPostedEvents(); }

BoatDrag::BoatDrag(RecordedTool& tool) : tool_(tool)
{
    const DiagramState& s = tool.state();
    // Whole pixels near the boat spot's centre, 4 pixels (60 twips) apart.
    const QPointF centre = toolkit::pixelPoint(s.CenterX + s.BoatX, s.CenterY + s.BoatY);
    const QPointF first(std::round(centre.x()), std::round(centre.y()));
    ends_[0] = first;
    ends_[1] = first + QPointF(4, 0);
}

void BoatDrag::step()
{
    tool_.pointerMove(ends_[next_]);
    next_ = 1 - next_;
    tool_.paintFrame();
}
