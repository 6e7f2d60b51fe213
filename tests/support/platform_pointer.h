#pragma once

#include "toolkit/twips.h"
#include "toolkit/window.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestmouse.h>

#include <cmath>
#include <functional>
#include <vector>

// A mouse as a platform plugin drives it: every action enters Qt where the
// window system's events enter, so Qt itself picks the receiving widget and
// keeps the implicit grab while a button is held. Positions are the window's
// twips and may be fractional or lie far outside the window.
class PlatformPointer {
public:
    explicit PlatformPointer(QWidget& window) : window_(window.windowHandle()) {}

    // Qt hands a widget its pointer position in whole logical pixels, so a
    // test that expects an exact position puts the pointer on one.
    static double onPixel(double twips)
    {
        return std::round(twips / toolkit::TwipsPerPixel) * toolkit::TwipsPerPixel;
    }
    ~PlatformPointer()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (held_ & button)
                release(button);
    }
    PlatformPointer(const PlatformPointer&) = delete;
    PlatformPointer& operator=(const PlatformPointer&) = delete;

    void moveTo(double xTwips, double yTwips)
    {
        at_ = toolkit::pixelPoint(xTwips, yTwips);
        send(Qt::NoButton, QEvent::MouseMove);
    }
    void press(Qt::MouseButton button)
    {
        held_ |= button;
        send(button, QEvent::MouseButtonPress);
    }
    void release(Qt::MouseButton button)
    {
        held_ &= ~button;
        send(button, QEvent::MouseButtonRelease);
    }

private:
    void send(Qt::MouseButton button, QEvent::Type type)
    {
        // Far apart in time, so that no two presses make a double click.
        QTest::lastMouseTimestamp += 1000;
        qt_handleMouseEvent(window_, at_, window_->mapToGlobal(at_), held_, button, type, Qt::NoModifier,
                            QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }

    QWindow* window_;
    QPointF at_;
    Qt::MouseButtons held_;
};

// Records every pointer move the window hands on to its handler, and still
// hands it on.
class PointerProbe {
public:
    struct Arrival {
        int button;
        float x, y;
    };

    explicit PointerProbe(toolkit::Window& window) : window_(window), handler_(window.onPointerMove)
    {
        window.onPointerMove = [this](int button, int shift, float x, float y) {
            arrivals.push_back({button, x, y});
            handler_(button, shift, x, y);
        };
    }
    ~PointerProbe() { window_.onPointerMove = handler_; }
    PointerProbe(const PointerProbe&) = delete;
    PointerProbe& operator=(const PointerProbe&) = delete;

    std::vector<Arrival> arrivals;

private:
    toolkit::Window& window_;
    std::function<void(int, int, float, float)> handler_;
};
