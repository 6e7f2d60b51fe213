#pragma once

#include <QAccessible>
#include <QWidget>

// A window or a button as a screen reader reaches it.
inline QAccessibleInterface* readerOf(QWidget& widget) { return QAccessible::queryAccessibleInterface(&widget); }
