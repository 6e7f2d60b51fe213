#include "toolkit/window.h"

#include "toolkit/accessible_window.h"
#include "toolkit/windowless_control.h"
#include "toolkit/option_button.h"
#include "toolkit/twips.h"
#include "toolkit/wayland_session.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>


namespace toolkit {

namespace {
Qt::WindowFlags flagsFor(Window::Border border)
{
    if (border == Window::Border::Sizable)
        return Qt::Window;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

// The toolkit's accessible windows are made known before a window is: Qt
// 6.8 asks for a window's accessible interface while it is being made, even
// with no screen reader, and keeps the first it got.
Qt::WindowFlags withAccessibilityInstalled(Qt::WindowFlags flags)
{
    installAccessibility();
    return flags;
}
} // namespace

int Window::modifierMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

Window::Window(const QString& caption, float clientWidth, float clientHeight, Border border)
    : QWidget(nullptr, withAccessibilityInstalled(flagsFor(border))), border_(border)
{
    setWindowTitle(caption);
    const QSize client(wholePixels(clientWidth), wholePixels(clientHeight));
    if (border == Border::FixedSingle)
        setFixedSize(client);
    else
        resize(client);
    setMouseTracking(true);
    // The window paints every pixel itself, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Window::setBackColor(const QColor& colour)
{
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

void Window::setOuterHeight(float twips)
{
    const int outer = wholePixels(checkedTwips(twips));
    const int frame = frameHeight();
    resize(width(), outer - frame);
    // A window shown a moment ago has no frame yet: the window manager adds
    // one later, and the height is fitted again then.
    unframedOuterHeight_ = frame == 0 ? std::optional<int>(outer) : std::nullopt;
}

int Window::frameHeight() const { return frameGeometry().height() - geometry().height(); }

void Window::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    centredWithoutFrame_ = frameHeight() == 0;
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Window::bringToFront()
{
    // Where the compositor cannot be asked, a window it maps anew comes in
    // front: the same window, with its text and size.
    if (isVisible() && onWayland() && !compositorActivates()) {
        mapAnew(*this);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Window::setAutoRedraw(bool on)
{
    if (on == autoRedraw())
        return;
    if (on)
        surface_.emplace().clear(backColor_);
    else
        surface_.reset();
    update();
}

void Window::clearDrawing()
{
    if (!surface_)
        return;
    surface_->clear(backColor_);
    update();
}

void Window::drawCircle(float centreX, float centreY, float radius, const QColor& colour)
{
    for (float twips : {centreX, centreY, radius})
        checkedTwips(twips);
    if (!surface_)
        return;
    surface_->drawCircle(centreX, centreY, radius, colour);
    invalidatePixels(QRectF(pixelPoint(centreX - radius, centreY - radius), pixelPoint(centreX + radius, centreY + radius)));
}

void Window::drawLine(float x1, float y1, float x2, float y2, const QColor& colour)
{
    for (float twips : {x1, y1, x2, y2})
        checkedTwips(twips);
    if (!surface_)
        return;
    surface_->drawLine(x1, y1, x2, y2, colour);
    invalidatePixels(QRectF(pixelPoint(x1, y1), pixelPoint(x2, y2)).normalized());
}

void Window::invalidatePixels(const QRectF& area)
{
    invalidateWholePixels(area.adjusted(-1, -1, 1, 1).toAlignedRect());
}

void Window::invalidateWholePixels(const QRect& area)
{
    // What lies outside the window changes nothing on screen.
    const QRect pixels = area & rect();
    if (!pixels.isEmpty())
        update(pixels);
}

void Window::release(const WindowlessControl* control)
{
    std::erase(controls_, control);
    std::erase(unsettled_, control);
    std::erase_if(windowlessStops_, [&](const auto& stop) { return stop.second == control; });
    if (focused_ == control)
        focused_ = nullptr;
}

void Window::adoptTabStop(QWidget* control, int tabPosition)
{
    tabStops_[tabPosition] = control;
    chainTabOrder();
}

void Window::selectOnly(const OptionButton* chosen)
{
    for (OptionButton* button : optionButtons_)
        if (button != chosen)
            button->setValue(false);
}

void Window::chainTabOrder()
{
    QWidget* previous = nullptr;
    for (const auto& [position, control] : tabStops_) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

bool Window::event(QEvent* event)
{
    // Qt begins a frame: what the controls settle now joins its region.
    if (event->type() == QEvent::UpdateRequest) {
        for (WindowlessControl* control : unsettled_)
            control->settle();
        unsettled_.clear();
    }
    if (event->type() == QEvent::Show && border_ == Border::FixedSingle && !titleBarWatched_ && onWayland()) {
        titleBarWatched_ = true;
        new FixedSizeOnWayland(*this);
    }
    return QWidget::event(event);
}

void Window::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (surface_)
        surface_->paint(painter, size(), devicePixelRatioF(), event->region());
    else
        painter.fillRect(rect(), backColor_);

    painter.setRenderHint(QPainter::Antialiasing);
    // The exact region, not its bounding box: a drag dirties areas far
    // apart, and what lies only between them needs no painting.
    const QRegion& exposed = event->region();
    for (const WindowlessControl* control : controls())
        if (control->visible() && exposed.intersects(control->paintedArea().toAlignedRect()))
            control->paint(painter, exposed);
    paintFocus(painter);
}

// Framing a window moves it, and by then Qt knows the frame.
void Window::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (unframedOuterHeight_ && frameHeight() > 0) {
        resize(width(), *unframedOuterHeight_ - frameHeight());
        unframedOuterHeight_.reset();
    }
    if (centredWithoutFrame_ && frameHeight() > 0)
        centreOnScreen();
}

void Window::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    // Over a native button the move is the button's, whether Qt hands on one
    // the button ignored or one of a drag that started on the window.
    if (childAt(at.toPoint()))
        return;
    for (const WindowlessControl* control : controls())
        if (control->visible() && control->takesPointerAt(at))
            return;
    if (onPointerMove)
        onPointerMove(static_cast<int>(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)),
                      modifierMask(event->modifiers()), toTwips(at.x()), toTwips(at.y()));
}

} // namespace toolkit
