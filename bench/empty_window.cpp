#include "first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

// What Qt alone costs: an empty window of the tool's client size, shown and
// painted once. Built a second time with one line of text in it, which is
// what starting Qt's font system adds to any window that shows text.
int main(int, char* argv[])
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QWidget window;
    window.setFixedSize(468, 449);
#ifdef ONE_LINE_OF_TEXT
    QLabel text(QStringLiteral(ONE_LINE_OF_TEXT), &window);
#endif
    window.show();
    quitAfterFirstFrame(window);
    return QApplication::exec();
}
