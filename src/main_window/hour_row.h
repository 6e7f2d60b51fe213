#pragma once

#include "main_window/form1_design.h"
#include "toolkit/control_array.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"

class Form1;

// One row of the hour-segment panel, made and destroyed whole: the label
// holding the hour's record, then the buttons that record and erase it.
// The buttons name the label as theirs for assistive technology, so it is
// made before them and goes after them.
class HourRow {
public:
    HourRow(Form1& form, int row);

    toolkit::Label label;
    toolkit::OptionButton record;
    toolkit::OptionButton erase;
};

// One column of the rows, addressed as a control array: Heure(i).
template <class Control, Control HourRow::*Column>
class HourColumn {
public:
    explicit HourColumn(const toolkit::ControlArray<HourRow, form1_design::HourRows>& rows) : rows_(rows) {}

    Control& operator()(int index) const { return rows_(index).*Column; }
    static constexpr int size() { return form1_design::HourRows; }

private:
    const toolkit::ControlArray<HourRow, form1_design::HourRows>& rows_;
};
