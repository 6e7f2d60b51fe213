#include "main_window/event_rollback.h"

#include "main_window/form1.h"

EventRollback::EventRollback(Form1& form, DiagramState& state, std::function<void()> drawRose)
    : form_(form), live_(state), drawRose_(std::move(drawRose))
{
}

void EventRollback::keep()
{
    state_ = live_;
    var_ = form_.var;
    for (int i = 0; i < form_.Label2.size(); ++i)
        rows_[static_cast<std::size_t>(i)] = form_.Label2(i).caption();
    summary_ = form_.Label3.caption();
    for (int i = 0; i < form_.Cinq.size(); ++i)
        scaleFaces_[static_cast<std::size_t>(i)] = form_.Cinq(i).backColor();
}

void EventRollback::undo()
{
    live_ = state_;
    form_.var = var_;
    for (int i = 0; i < form_.Label2.size(); ++i)
        form_.Label2(i).setCaption(rows_[static_cast<std::size_t>(i)]);
    form_.Label3.setCaption(summary_);
    for (int i = 0; i < form_.Cinq.size(); ++i)
        form_.Cinq(i).setBackColor(scaleFaces_[static_cast<std::size_t>(i)]);
    form_.markChosenScale((live_.ScaleKnots / 5) - 1);
    // A change of scale may have cleared the rose or begun another.
    form_.clearDrawing();
    drawRose_();
    form_.Calcul();
}
