// Prints what the main window, just started, offers a screen reader: one
// line per child of its accessible interface, role then name, tab-separated.
// The end-to-end test compares the AT-SPI tree of the running tool with it,
// so that the expected controls come from the window itself.
#include "support/started_tool.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    StartedTool tool;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&tool.form());
    if (!window)
        return 1;
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleInterface* child = window->child(i);
        std::printf("%s\t%s\n", roles.valueToKey(child->role()), qPrintable(child->text(QAccessible::Name)));
    }
    return 0;
}
