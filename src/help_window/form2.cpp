#include "help_window/form2.h"

#include "toolkit/fonts.h"
#include "toolkit/system_colours.h"

using toolkit::SystemColour;

Form2::Form2(const QIcon& icon) : toolkit::Window(QStringLiteral("Aide"), 13200, 1710, Border::Sizable)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setBackColor(toolkit::rgb(1, 0, 66));
    setWindowIcon(icon);

    Label1.setBackColor(toolkit::systemColour(SystemColour::ButtonFace));
    Label1.setForeColor(toolkit::systemColour(SystemColour::ButtonText));
    Label1.setFont(toolkit::layoutFont(QStringLiteral("Arial"), 10.5));
    // Switched on before the box is set, so the empty label keeps its
    // designed height until its first caption.
    Label1.setAutoHeight(true);
    Label1.setLeft(60);
    Label1.setTop(60);
    Label1.setWidth(13005);
    Label1.setHeight(225);
    // The keyboard rests on the text, so that a screen reader reads it from
    // its start as the window opens, then line by line.
    Label1.setReadFromKeyboard(true);
    Label1.setAccessibleName(QStringLiteral("Texte de l'aide"));
    focusControl(&Label1, Qt::OtherFocusReason);
}
