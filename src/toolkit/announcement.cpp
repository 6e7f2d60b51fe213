#include "toolkit/announcement.h"

#include <QAccessibleInterface>

#include <map>

namespace toolkit {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// Qt 6.8 sends an announcement as one: Orca 48 says its text, cutting
// short the one before. (A shown notification would be said with the first
// text it ever had: Orca 48 keeps an object's name.)
void announce(QWidget& window, const QString& text)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(&window, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {
// What a screen reader reads of the notification: its text, while shown.
class Notification final : public QAccessibleInterface {
public:
    explicit Notification(QWidget& window) : window_(window) {}

    void show(const QString& text)
    {
        if (shown_) {
            shown_ = false;
            send(QAccessible::ObjectHide);
        }
        text_ = text;
        shown_ = true;
        send(QAccessible::ObjectShow);
    }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !shown_;
        return state;
    }

private:
    void send(QAccessible::Event type)
    {
        QAccessibleEvent event(this, type);
        QAccessible::updateAccessibility(&event);
    }

    QWidget& window_;
    QString text_;
    bool shown_ = false;
};

Notification& notificationOf(QWidget& window)
{
    static std::map<const QWidget*, QAccessible::Id> made;
    auto found = made.find(&window);
    if (found == made.end()) {
        found = made.emplace(&window, QAccessible::registerAccessibleInterface(new Notification(window))).first;
        QObject::connect(&window, &QObject::destroyed, [&window] {
            QAccessible::deleteAccessibleInterface(made.at(&window));
            made.erase(&window);
        });
    }
    return *static_cast<Notification*>(QAccessible::accessibleInterface(found->second));
}
} // namespace

void announce(QWidget& window, const QString& text)
{
    if (QAccessible::isActive())
        notificationOf(window).show(text);
}

#endif

} // namespace toolkit
