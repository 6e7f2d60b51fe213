#pragma once

#include <QAccessibleInterface>

namespace toolkit {

class WindowlessControl;

// What assistive technology reads of a windowless control: its role, name,
// description and place on screen, and for text its every character and
// line. Not a QObject: its control owns it and ends it.
class AccessibleControl : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    explicit AccessibleControl(const WindowlessControl& control) : control_(control) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The text, read only: no selection, and a caret only where the
    // keyboard moves one.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    // Every text of the toolkit is read only; an editable one is a text the
    // keyboard reads with a caret.
    bool hasText() const;

    const WindowlessControl& control_;
};

} // namespace toolkit
