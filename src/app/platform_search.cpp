#include "app/platform_search.h"

#include "app/tool_name.h"

#include <QRegularExpression>

namespace {
const QString Wayland = QStringLiteral("wayland");
const QString X11 = QStringLiteral("xcb");
} // namespace

PlatformSearch PlatformSearch::current()
{
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("XDG_RUNTIME_DIR")};
}

PlatformSearch::PlatformSearch(QString forced, QString waylandDisplay, QString xDisplay, QString runtimeDir)
    : forced_(std::move(forced)), waylandDisplay_(std::move(waylandDisplay)), xDisplay_(std::move(xDisplay)),
      runtimeDir_(std::move(runtimeDir))
{
}

// Without its runtime folder a socket cannot be found, and asking for it
// only earns a complaint from the Wayland library on standard error.
bool PlatformSearch::waylandReachable() const
{
    return !waylandDisplay_.isEmpty() && (waylandDisplay_.startsWith(u'/') || !runtimeDir_.isEmpty());
}

QStringList PlatformSearch::platforms() const
{
    if (!forced_.isEmpty())
        return forced_.split(u';', Qt::SkipEmptyParts);
    if (waylandReachable())
        return {Wayland, X11};
    return {X11};
}

QByteArray PlatformSearch::platformsToTry() const
{
    return forced_.isEmpty() ? platforms().join(u';').toLatin1() : QByteArray();
}

bool PlatformSearch::note(const char* category, const QString& message)
{
    static const QRegularExpression missing(QStringLiteral("^Could not find the Qt platform plugin \"([^\"]*)\""));
    const QLatin1String from(category ? category : "");
    if (from == QLatin1String("qt.qpa.plugin")) {
        const QRegularExpressionMatch match = missing.match(message);
        if (match.hasMatch())
            missing_ << match.captured(1);
        tried_ = tried_ || match.hasMatch() || message.contains(QLatin1String("even though it was found"));
        return tried_;
    }
    // Said by Qt's X11 and Wayland platforms, and by the Wayland library,
    // when a server cannot be reached.
    const bool refused = (from == QLatin1String("qt.qpa.xcb") && message.contains(QLatin1String("could not connect to display")))
        || message.startsWith(QLatin1String("Failed to create wl_display")) || from == QLatin1String(WaylandLogCategory);
    tried_ = tried_ || refused;
    return refused;
}

QString PlatformSearch::reason(const QString& platform, bool alone) const
{
    if (platform == Wayland)
        return missing_.contains(platform) ? QStringLiteral("Qt's Wayland plugin is not installed (package qt6-wayland)")
            : waylandDisplay_.isEmpty()    ? QStringLiteral("no Wayland display is set")
            : !waylandReachable()          ? QStringLiteral("WAYLAND_DISPLAY is set but XDG_RUNTIME_DIR is not")
                                           : QStringLiteral("no Wayland compositor answers on %1").arg(waylandDisplay_);
    if (platform == X11 && !missing_.contains(platform))
        return xDisplay_.isEmpty() ? QString(alone ? "no display is set" : "no X display is set")
                                   : QStringLiteral("no X server answers on display %1").arg(xDisplay_);
    return missing_.contains(platform) ? QStringLiteral("Qt has no platform plugin \"%1\"").arg(platform)
                                       : QStringLiteral("Qt's platform \"%1\" could not start").arg(platform);
}

std::string PlatformSearch::noWindowLine() const
{
    const QStringList tried = platforms();
    QStringList reasons;
    if (forced_.isEmpty() && !waylandDisplay_.isEmpty() && !waylandReachable())
        reasons << reason(Wayland, false);
    for (const QString& platform : tried)
        reasons << reason(platform, reasons.isEmpty() && tried.size() == 1);
    QString advice = QStringLiteral("start the tool from a graphical session");
    if (!forced_.isEmpty())
        advice = missing_.isEmpty() ? advice + QStringLiteral(", or unset QT_QPA_PLATFORM=%1").arg(forced_)
                                    : QStringLiteral("unset QT_QPA_PLATFORM=%1").arg(forced_);
    if (missing_.contains(Wayland))
        advice = QStringLiteral("install qt6-wayland or ") + advice;
    return QStringLiteral("%1: no window can be opened: %2; %3.\n")
        .arg(QLatin1String(ToolName), reasons.join(QLatin1String(" and ")), advice)
        .toStdString();
}
