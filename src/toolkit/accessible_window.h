#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace toolkit {

class Window;

// A window as assistive technology reads it: its buttons and its readable
// windowless controls together, in reading order (top to bottom, then left
// to right, as they lie now).
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(Window* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    std::vector<QAccessibleInterface*> children() const;
    const Window& toolkitWindow() const;
};

// Makes Qt's accessibility ask this toolkit for its windows and buttons;
// does nothing after the first call.
void installAccessibility();

} // namespace toolkit
