#include "support/diagram_events.h"

#include "help_window/form2.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace {

void deliverMove(QWidget& window, const PointerMove& move)
{
    const QPoint under(static_cast<int>(std::floor(move.pixel.x())), static_cast<int>(std::floor(move.pixel.y())));
    QWidget* target = move.grabbed ? nullptr : window.childAt(under);
    if (!target)
        target = &window;
    const QPointF local = move.pixel - QPointF(target->mapTo(&window, QPoint(0, 0)));
    QMouseEvent event(QEvent::MouseMove, local, move.pixel, window.mapToGlobal(move.pixel), Qt::NoButton, move.buttons,
                      move.modifiers);
    QApplication::sendEvent(target, &event);
}

void click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

void closeHelp(Form2* help)
{
    if (!help)
        return;
    QCloseEvent request;
    QApplication::sendEvent(help->windowHandle(), &request);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void deliver(Form1& form, const DiagramEvent& event)
{
    std::visit(
        [&form](const auto& e) {
            using Event = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<Event, PointerMove>) {
                if (!e.overHelp)
                    deliverMove(form, e);
                else if (Form2* help = form.helpWindow())
                    deliverMove(*help, e);
            } else if constexpr (std::is_same_v<Event, ScaleClick>) {
                click(form.Cinq(e.index));
            } else if constexpr (std::is_same_v<Event, HourClick>) {
                click(form.Heure(e.index));
            } else if constexpr (std::is_same_v<Event, EraseClick>) {
                click(form.Raz(e.index));
            } else if constexpr (std::is_same_v<Event, HelpClick>) {
                click(*form.Aide);
            } else {
                closeHelp(form.helpWindow());
            }
        },
        event);
}

QString describe(const DiagramEvent& event)
{
    return std::visit(
        [](const auto& e) {
            using Event = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<Event, PointerMove>)
                return QStringLiteral("move %1%2 to (%3, %4) px, buttons %5, modifiers %6")
                    .arg(e.overHelp ? QStringLiteral("over help") : QStringLiteral("over main"))
                    .arg(e.grabbed ? QStringLiteral(", grabbed") : QString())
                    .arg(e.pixel.x(), 0, 'g', 17)
                    .arg(e.pixel.y(), 0, 'g', 17)
                    .arg(e.buttons.toInt(), 0, 16)
                    .arg(e.modifiers.toInt(), 0, 16);
            else if constexpr (std::is_same_v<Event, ScaleClick>)
                return QStringLiteral("click Cinq(%1)").arg(e.index);
            else if constexpr (std::is_same_v<Event, HourClick>)
                return QStringLiteral("click Heure(%1)").arg(e.index);
            else if constexpr (std::is_same_v<Event, EraseClick>)
                return QStringLiteral("click Raz(%1)").arg(e.index);
            else if constexpr (std::is_same_v<Event, HelpClick>)
                return QStringLiteral("click Aide");
            else
                return QStringLiteral("close the help window");
        },
        event);
}
