#pragma once

#include <QObject>

class QWidget;

namespace toolkit {

// On Wayland the compositor alone places, stacks, minimises and restores
// windows; a program can only ask.
bool onWayland();

// The Wayland library writes its complaints straight to standard error;
// passed through Qt's messages, in the tool's log category, they are shown,
// or held back, as Qt's own are. Once, before the application starts; the
// category's name must last as long as the program.
void passWaylandMessagesThroughQt(const char* category);

// Whether the compositor lets a program bring one of its windows to the
// front (xdg_activation_v1), through which Qt then activates it. Asked
// once: on Qt's own connection where Qt lends it, else on one of its own.
bool compositorActivates();

// Shows the window again as a new one: where nothing else can, this brings
// a minimised or covered window to the front, as the compositor places a
// window it has not seen before.
void mapAnew(QWidget& window);

// Qt's own title bar, drawn where the compositor draws none, offers
// minimise and maximise on every window. A window of fixed size refuses
// both: maximised, the compositor may hold it to the maximised size and cut
// the connection when it keeps its own; minimised, it may never come back
// where no task bar lists it.
class FixedSizeOnWayland : public QObject {
public:
    explicit FixedSizeOnWayland(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stateAsked(Qt::WindowState state);
    void mapAnewSoon();
    void holdFrames(bool hold);

    QWidget& window_;
    bool holding_ = false;
    bool mapPending_ = false;
    // Mapped anew and not yet seen in its normal state.
    bool mappedAnew_ = false;
};

} // namespace toolkit
