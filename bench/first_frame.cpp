#include "first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so it runs once the whole frame is painted and flushed.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    const auto now = std::chrono::system_clock::now().time_since_epoch();
                    std::printf("%lld\n",
                                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

void quitAfterFirstFrame(QWidget& window) { new FirstFrameWatch(window); }
