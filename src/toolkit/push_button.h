#pragma once

#include "toolkit/native_button.h"

#include <QPushButton>

namespace toolkit {

// A push button whose background colour is shown as its face, painted in
// the classic raised style whatever style Qt runs with.
class PushButton : public NativeButton<QPushButton> {
    Q_OBJECT
public:
    PushButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition);

    QColor backColor() const;
    void setBackColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box is the button, as painted.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace toolkit
