#pragma once

#include "toolkit/twips_box.h"

#include <QRadioButton>

#include <functional>

namespace toolkit {

class Window;

// A round choice button. All option buttons of a window form one exclusive
// group: a click selects it and clears the others. Clearing one from code
// raises no click.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition);

    const TwipsBox& box() const { return box_; }
    int tabPosition() const { return tabPosition_; }

    bool value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipsBox box_;
    int tabPosition_;
};

} // namespace toolkit
