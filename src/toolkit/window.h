#pragma once

#include "toolkit/event_handler.h"
#include "toolkit/persistent_surface.h"

#include <QWidget>

#include <map>
#include <optional>
#include <vector>

namespace toolkit {

class WindowlessControl;
class OptionButton;

// A top-level window laid out in twips. It paints, back to front: its
// background or its persistent drawing, then its windowless controls in the
// order they were made, each in front of those before it; native buttons lie
// above all of them.
class Window : public QWidget {
    Q_OBJECT
public:
    enum class Border { FixedSingle, Sizable };

    Window(const QString& caption, float clientWidth, float clientHeight, Border border);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);

    // The windowless controls, back to front: the order they were made in,
    // which is the one order that painting, the pointer and assistive
    // technology go by.
    const std::vector<WindowlessControl*>& controls() const { return controls_; }

    // The outer height, title bar and borders included; the width stays.
    // Positions and sizes are checked as a control's are (checkedTwips).
    void setOuterHeight(float twips);
    // Centres the window, frame included. A window manager's frame is known
    // only once the window is on screen, so a window centred before that is
    // centred again when its frame arrives.
    void centreOnScreen();
    // Shows the window and brings it to the front, even from minimised.
    void bringToFront();

    // The persistent drawing surface: once switched on it lies beneath every
    // control, survives being covered, and changes only when drawn or cleared.
    bool autoRedraw() const { return surface_.has_value(); }
    void setAutoRedraw(bool on);
    void clearDrawing();
    void drawCircle(float centreX, float centreY, float radius, const QColor& colour);
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour);
    const PersistentSurface* surface() const { return surface_ ? &*surface_ : nullptr; }

    // The window sees key presses before its controls. Keys reach only the
    // focused control, native or windowless, so the setting is only kept,
    // as the start-up sets it, and never read.
    void setKeyPreview(bool on) { keyPreview_ = on; }

    // Pointer moves over the window's own surface: button mask (1 left,
    // 2 right, 4 middle), modifier mask (1 shift, 2 control, 4 alt), and the
    // position in twips. Moves over native buttons or an enabled label do
    // not arrive here.
    EventHandler<int, int, float, float> onPointerMove; // button, shift, x, y

    // For the controls themselves: an area with a pixel of margin for
    // antialiasing, or exactly these whole pixels.
    void invalidatePixels(const QRectF& area);
    void invalidateWholePixels(const QRect& pixels);
    // A control with work left for when the next frame begins (see
    // WindowlessControl::settle); a frame is already due when it asks.
    void settleBeforeNextFrame(WindowlessControl* control) { unsettled_.push_back(control); }
    void adoptTabStop(QWidget* control, int tabPosition);
    // A windowless control that takes the keyboard focus in its turn among
    // the buttons, by tab position (see window_focus.cpp).
    void adoptTabStop(WindowlessControl* control, int tabPosition) { windowlessStops_[tabPosition] = control; }
    WindowlessControl* focusedControl() const { return focused_; }
    void focusControl(WindowlessControl* control, Qt::FocusReason reason);
    void joinOptionGroup(OptionButton* button) { optionButtons_.push_back(button); }
    // A windowless control joins its window as it is made, and leaves it as
    // it goes.
    void adopt(WindowlessControl* control) { controls_.push_back(control); }
    void release(const WindowlessControl* control);
    void selectOnly(const OptionButton* chosen);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void chainTabOrder();
    struct TabStop;
    std::vector<TabStop> tabCycle() const;
    void showFocusOf(const WindowlessControl* control);
    void paintFocus(QPainter& painter) const;
    void announceFocus() const;
    // 1 shift, 2 control, 4 alt, as the handlers take them.
    static int modifierMask(Qt::KeyboardModifiers modifiers);
    int frameHeight() const;

    QColor backColor_;
    std::optional<PersistentSurface> surface_;
    bool keyPreview_ = false;
    std::vector<WindowlessControl*> controls_; // back to front
    std::vector<WindowlessControl*> unsettled_;
    std::vector<OptionButton*> optionButtons_;
    std::map<int, QWidget*> tabStops_;
    std::map<int, WindowlessControl*> windowlessStops_;
    WindowlessControl* focused_ = nullptr; // while the window itself has the focus

    // An outer height in pixels, asked for before the window had a frame.
    std::optional<int> unframedOuterHeight_;
    bool centredWithoutFrame_ = false;
    const Border border_;
    bool titleBarWatched_ = false;
};

} // namespace toolkit
