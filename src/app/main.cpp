#include "app/entree.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
QtMessageHandler qtHandler = nullptr;

// What Qt says while it looks for a display is held back until it is known
// whether it found one: a sailor who started the tool from a console without
// one deserves the tool's own message, not Qt's advice to reinstall.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> held;
bool holding = true;
bool displayMissing = false;

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

void sayNoDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        std::fprintf(stderr, "loxane: no window can be opened: no display is set; start the tool from a graphical session.\n");
    else
        std::fprintf(stderr, "loxane: no window can be opened on display %s; start the tool from a graphical session.\n",
                     display.constData());
}

// Every message goes on to Qt's own handler, unchanged, except when there is
// no display: then only the tool's message is shown, and the run fails
// plainly instead of aborting.
void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "qt.qpa.xcb") == 0
        && message.contains(QLatin1String("could not connect to display")))
        displayMissing = true;
    if (type == QtFatalMsg && displayMissing) {
        sayNoDisplay();
        std::_Exit(EXIT_FAILURE);
    }
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
    qtHandler = qInstallMessageHandler(handleMessage);
    // The tool takes no command line: Qt sees the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    holding = false;
    passOnHeld();
    // Lets task bars match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.loxane.Loxane"));
    Entree entree;
    entree.Main();
    return QApplication::exec();
}
