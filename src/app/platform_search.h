#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

// Which of Qt's platforms the tool asks for, and what it says when none of
// them opens a window. Native Wayland where the session offers it, X11
// otherwise; a platform the user forces with QT_QPA_PLATFORM is left to Qt.
class PlatformSearch {
public:
    // From the environment: QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY and
    // XDG_RUNTIME_DIR, where a Wayland socket named without a path lies.
    static PlatformSearch current();
    PlatformSearch(QString forced, QString waylandDisplay, QString xDisplay, QString runtimeDir);

    // The value for Qt's -platform, or empty to leave a forced choice to Qt.
    QByteArray platformsToTry() const;

    // Notes what one of Qt's messages says about the search. True when the
    // message only tells of a platform that could not be opened, which is
    // not worth showing once another one has been.
    bool note(const char* category, const QString& message);
    bool anyTried() const { return tried_; }

    // The tool's one line for a start where nothing opened.
    std::string noWindowLine() const;

private:
    QStringList platforms() const;
    QString reason(const QString& platform, bool alone) const;

    bool waylandReachable() const;

    QString forced_, waylandDisplay_, xDisplay_, runtimeDir_;
    QStringList missing_;
    bool tried_ = false;
};
