#pragma once

#include "toolkit/twips_box.h"

#include <QPushButton>

#include <functional>

namespace toolkit {

class Window;

// A push button whose background colour is shown as its face, painted in
// the classic raised style whatever style Qt runs with.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition);

    const TwipsBox& box() const { return box_; }
    int tabPosition() const { return tabPosition_; }

    QColor backColor() const;
    void setBackColor(const QColor& colour);

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box is the button, as painted.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    TwipsBox box_;
    int tabPosition_;
};

} // namespace toolkit
