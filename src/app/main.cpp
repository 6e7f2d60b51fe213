#include "app/entree.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler qtHandler = nullptr;

// Qt aborts when it cannot reach a display. A sailor starting the tool from a
// console without one deserves a plain message and an ordinary failure.
void endPlainlyOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "loxane: %s\nloxane: no window can be opened; start the tool from a graphical session.\n",
                 qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}
} // namespace

int main(int, char* argv[])
{
    qtHandler = qInstallMessageHandler(endPlainlyOnFatal);
    // The tool takes no command line: Qt sees the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // Lets task bars match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.loxane.Loxane"));
    Entree entree;
    entree.Main();
    return QApplication::exec();
}
