#include "main_window/event_rollback.h"

#include "main_window/form1.h"

EventRollback::EventRollback(Form1& form, DiagramState& state, std::function<void()> drawRose)
    : form_(form), live_(state), drawRose_(std::move(drawRose))
{
    for (toolkit::WindowlessControl* control : form.controls())
        if (auto* label = dynamic_cast<toolkit::Label*>(control))
            captions_.emplace_back(label, QString());
    for (toolkit::PushButton* button : form.findChildren<toolkit::PushButton*>(Qt::FindDirectChildrenOnly))
        faces_.emplace_back(button, QColor());
}

void EventRollback::keep()
{
    state_ = live_;
    var_ = form_.var;
    for (auto& [label, caption] : captions_)
        caption = label->caption();
    for (auto& [button, face] : faces_)
        face = button->backColor();
}

void EventRollback::undo()
{
    live_ = state_;
    form_.var = var_;
    for (const auto& [label, caption] : captions_)
        label->setCaption(caption);
    for (const auto& [button, face] : faces_)
        button->setBackColor(face);
    form_.markChosenScale(form1_design::scaleButtonOf(live_.ScaleKnots));
    // A change of scale may have cleared the rose or begun another.
    form_.clearDrawing();
    drawRose_();
    form_.Calcul();
}
