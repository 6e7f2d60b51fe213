#include "toolkit/wayland_session.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QLoggingCategory>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <wayland-client.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace toolkit {

namespace {
constexpr Qt::WindowStates LargerThanFixed = Qt::WindowMaximized | Qt::WindowFullScreen;

struct GlobalSearch {
    const char* interface;
    bool found = false;
};

// Asks the compositor for its globals, on a queue of the question's own.
bool listsGlobal(wl_display* display, const char* interface)
{
    GlobalSearch search{interface};
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* name, uint32_t) {
            auto* search = static_cast<GlobalSearch*>(data);
            search->found = search->found || std::strcmp(name, search->interface) == 0;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* asker = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(asker), queue);
    wl_registry* registry = wl_display_get_registry(asker);
    wl_registry_add_listener(registry, &listener, &search);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(asker);
    wl_event_queue_destroy(queue);
    return search.found;
}

// Qt from 6.5 on lends its own connection to the compositor
// (QNativeInterface::QWaylandApplication); older Qt keeps it to itself, and
// the question goes on a connection of its own. The one place where the
// toolkit depends on Qt's version.
bool offersGlobal(const char* interface)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const auto* qt = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
    return qt && qt->display() && listsGlobal(qt->display(), interface);
#else
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    const bool found = listsGlobal(display, interface);
    wl_display_disconnect(display);
    return found;
#endif
}
} // namespace

void passWaylandMessagesThroughQt(const char* category)
{
    static const QLoggingCategory waylandLibrary(category);
    wl_log_set_handler_client([](const char* format, va_list arguments) {
        char text[1024];
        std::vsnprintf(text, sizeof text, format, arguments);
        qCWarning(waylandLibrary, "%s", QByteArray(text).trimmed().constData());
    });
}

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool compositorActivates()
{
    static const bool activates = onWayland() && offersGlobal("xdg_activation_v1");
    return activates;
}

void mapAnew(QWidget& window)
{
    if (QWindow* handle = window.windowHandle())
        handle->setWindowStates(handle->windowStates() & ~Qt::WindowMinimized);
    window.hide();
    window.show();
}

FixedSizeOnWayland::FixedSizeOnWayland(QWidget& window) : QObject(&window), window_(window)
{
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(this);
    connect(handle, &QWindow::windowStateChanged, this, &FixedSizeOnWayland::stateAsked);
}

// Qt's title bar asks the compositor at once, and a compositor may answer
// or not (one that keeps the window's size need not). Mapped anew before
// any answer can arrive, the window never takes the larger state, and a
// minimised one comes back at once.
void FixedSizeOnWayland::stateAsked(Qt::WindowState state)
{
    if ((state & LargerThanFixed || state == Qt::WindowMinimized) && !mappedAnew_)
        mapAnewSoon();
}

// The compositor's own choice, which Qt has just acknowledged. From now the
// window may show no frame of its own size until the compositor configures
// it again, which a compositor need not do when asked back to the state the
// window shows (weston does not): the window is mapped anew instead. A
// compositor that insists on a window just mapped anew is asked, not fought.
bool FixedSizeOnWayland::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange || !event->spontaneous())
        return false;
    auto* handle = static_cast<QWindow*>(watched);
    const Qt::WindowStates states = handle->windowStates();
    if (!(states & LargerThanFixed)) {
        mappedAnew_ = false;
        holdFrames(false);
        return false;
    }
    holdFrames(true);
    if (mappedAnew_)
        handle->setWindowStates(states & ~LargerThanFixed);
    else
        mapAnewSoon();
    return false;
}

// Not from inside Qt's handling of the title bar's click or of the
// window's own event.
void FixedSizeOnWayland::mapAnewSoon()
{
    if (mapPending_)
        return;
    mapPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mapPending_ = false;
            mappedAnew_ = true;
            window_.windowHandle()->setWindowStates(Qt::WindowNoState);
            mapAnew(window_);
            holdFrames(false);
        },
        Qt::QueuedConnection);
}

void FixedSizeOnWayland::holdFrames(bool hold)
{
    if (hold == holding_)
        return;
    holding_ = hold;
    window_.setUpdatesEnabled(!hold);
}

} // namespace toolkit
