#include "main_window/form1.h"

Form1::Form1(DiagramState& state, std::function<void()> main, std::function<void()> drawRose)
    : toolkit::Window(QStringLiteral("Loxane v" LOXANE_VERSION "  "), 7020, 6735, Border::FixedSingle),
      state_(state),
      Main(std::move(main)),
      rollback_(*this, state, std::move(drawRose))
{
    setBackColor(form1_design::colour(NightBlue));
    designKeyboard();
    onPointerMove = undoable<int, int, float, float>("form_MouseMove", [this](int button, int shift, float x, float y) {
        form_MouseMove(static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
    });
    centreOnScreen();
}

Form1::~Form1() = default;

void Form1::designShowing(toolkit::WindowlessControl& control, form1_design::Showing showing)
{
    control.setVisible(showing == Shown || showing == WithTheMeans);
    if (showing == WithTheMeans || showing == HiddenWithTheMeans)
        meanDisplay_.push_back(&control);
}
