#pragma once

#include "main_window/form1.h"

#include <vector>

// Every windowless control of the main window, by kind, for checks that must
// hold for all of them.
inline std::vector<const toolkit::Label*> labelsOf(const Form1& f)
{
    std::vector<const toolkit::Label*> labels{&f.Label8, &f.Boat, &f.Flux,  &f.Wind,  &f.Label4,  &f.Label6,
                                              &f.Label7, &f.VMG,  &f.Vent, &f.COG,   &f.Flow,    &f.Sail,
                                              &f.Label1, &f.COGMean, &f.Label3, &f.Label5};
    for (int i = 0; i < f.Label2.size(); ++i)
        labels.push_back(&f.Label2(i));
    return labels;
}

inline std::vector<const toolkit::Shape*> shapesOf(const Form1& f)
{
    return {&f.Shape1, &f.Vb,     &f.Vc,     &f.Vf,     &f.Vcmoyen, &f.Vfmoyen, &f.Shape7,
            &f.Shape6, &f.Shape4, &f.Shape5, &f.Shape2, &f.Shape3};
}

inline std::vector<const toolkit::Line*> linesOf(const Form1& f)
{
    return {&f.Lb, &f.Lc, &f.Lf, &f.Lv1, &f.Lcmoyen, &f.Lfmoyen};
}
