#pragma once

#include <QIcon>

// The tool's icon, for the title and task bars of both its windows.
QIcon toolIcon();
