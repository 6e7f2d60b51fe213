#pragma once

#include "toolkit/native_button.h"

#include <QRadioButton>

namespace toolkit {

class WindowlessControl;

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
    const WindowlessControl* labelledBy() const { return labelledBy_; }
    void setLabelledBy(const WindowlessControl& label) { labelledBy_ = &label; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const WindowlessControl* labelledBy_ = nullptr;
};

} // namespace toolkit
