#pragma once

#include "toolkit/native_button.h"

#include <QRadioButton>

namespace toolkit {

class LightControl;

// A round choice button. All option buttons of a window form one exclusive
// group: a click selects it and clears the others. Clearing one from code
// raises no click.
class OptionButton : public NativeButton<QRadioButton> {
    Q_OBJECT
public:
    OptionButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition);

    bool value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }

    // The windowless control whose text tells what the button is about: its
    // label for assistive technology. It must outlive the button.
    const LightControl* labelledBy() const { return labelledBy_; }
    void setLabelledBy(const LightControl& label) { labelledBy_ = &label; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LightControl* labelledBy_ = nullptr;
};

} // namespace toolkit
