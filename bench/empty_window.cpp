#include "first_frame.h"

#include <QApplication>
#include <QWidget>

// What Qt alone costs: an empty window of the tool's client size, shown and
// painted once.
int main(int, char* argv[])
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QWidget window;
    window.setFixedSize(468, 449);
    window.show();
    quitAfterFirstFrame(window);
    return QApplication::exec();
}
