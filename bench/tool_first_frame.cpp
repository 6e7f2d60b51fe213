#include "first_frame.h"

#include "app/entree.h"
#include "main_window/form1.h"

#include <QApplication>

// The tool's own start-up, ended after its first frame; the tool itself has
// no such way out.
int main(int, char* argv[])
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    Entree entree;
    entree.Main();
    quitAfterFirstFrame(*entree.form1());
    return QApplication::exec();
}
