#include "help_window/form2.h"
#include "help_window/help_text.h"
#include "main_window/form1.h"

// Opens the help window, or brings the open one to the front, and fills it
// afresh: the same text and the same height on every click.
void Form1::Aide_Click()
{
    // A closed help window only waits for Qt to delete it: it counts as gone.
    if (!helpWindow_ || helpWindow_->isHidden())
        helpWindow_ = new Form2(windowIcon());
    Form2& help = *helpWindow_;
    help.bringToFront();

    // The line break is local to the click, as it never changes; the text
    // is kept in the window's HelpText, which the label is then given.
    const QChar LineBreak(u'\r');
    var.HelpText = help::assembleHelpText(LineBreak);
    help.Label1.setCaption(var.HelpText);
    help.setOuterHeight(help.Label1.height() + 1000);
}

Form2* Form1::helpWindow() const { return helpWindow_; }
