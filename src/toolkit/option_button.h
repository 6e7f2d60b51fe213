#pragma once

#include "toolkit/native_button.h"

#include <QRadioButton>

namespace toolkit {

// A round choice button. All option buttons of a window form one exclusive
// group: a click selects it and clears the others. Clearing one from code
// raises no click.
class OptionButton : public NativeButton<QRadioButton> {
    Q_OBJECT
public:
    OptionButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition);

    bool value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit
