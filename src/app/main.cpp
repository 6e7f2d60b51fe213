#include "app/character_type.h"
#include "app/entree.h"
#include "app/platform_search.h"
#include "app/tool_name.h"
#include "toolkit/wayland_session.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
QtMessageHandler qtHandler = nullptr;

// What Qt says while it looks for a display is held back until it is known
// whether it found one: a sailor who started the tool without one deserves
// the tool's own message, not Qt's advice to reinstall.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> held;
bool holding = true;

void passOn(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    qtHandler(type, context, message);
}

void passOnHeld()
{
    for (const HeldMessage& message : held)
        passOn(message.type,
               QMessageLogContext(message.file.c_str(), message.line, message.function.c_str(), message.category.c_str()),
               message.text);
    held.clear();
}

PlatformSearch search = PlatformSearch::current();

// Every message goes on to Qt's own handler, unchanged, except those of the
// search for a platform: when one opens, the failures before it are not worth
// showing; when none does, only the tool's line is shown, and the run fails
// plainly instead of aborting.
void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool ofTheSearch = holding && search.note(context.category, message);
    if (type == QtFatalMsg && holding && search.anyTried()) {
        std::fputs(search.noWindowLine().c_str(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (ofTheSearch)
        return;
    if (holding && type != QtFatalMsg) {
        held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                        context.category ? context.category : "", context.line, message});
        return;
    }
    passOnHeld();
    passOn(type, context, message);
}
} // namespace

int main(int, char* argv[])
{
    keepCharacterTypeUtf8();
    qtHandler = qInstallMessageHandler(handleMessage);
    toolkit::passWaylandMessagesThroughQt(WaylandLogCategory);
    // The tool takes no command line: Qt sees the program name and the
    // platforms to try.
    QByteArray platforms = search.platformsToTry();
    char platformOption[] = "-platform";
    std::vector<char*> qtArgv{argv[0]};
    if (!platforms.isEmpty())
        qtArgv.insert(qtArgv.end(), {platformOption, platforms.data()});
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;
    QApplication application(qtArgc, qtArgv.data());
    holding = false;
    passOnHeld();
    // Lets task bars match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.loxane.loxane"));
    Entree entree;
    entree.Main();
    return QApplication::exec();
}
