#include "main_window/form1.h"

#include <QApplication>

// Ends the tool at once: nothing is kept, nothing is asked.
void Form1::Quitter_Click()
{
    QApplication::closeAllWindows();
    close();
    QApplication::exit(0);
}
