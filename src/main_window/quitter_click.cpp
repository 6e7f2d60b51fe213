#include "help_window/form2.h"
#include "main_window/form1.h"

#include <QApplication>

// Ends the tool at once: nothing is kept, nothing is asked.
void Form1::Quitter_Click()
{
    delete helpWindow_.data();
    // Entree owns this window and destroys it once the event loop has ended;
    // until then it takes no input, so no handler runs on events already
    // queued behind this click.
    close();
    setEnabled(false);
    QApplication::exit(0);
}
