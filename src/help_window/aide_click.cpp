#include "main_window/form1.h"

// The help window arrives with its own change.
void Form1::Aide_Click() {}
