#include "main_window/form1.h"

#include "toolkit/system_colours.h"

using namespace form1_design;
using toolkit::TwipsBox;

Form1::Form1(DiagramState& state, std::function<void()> main, std::function<void()> drawRose)
    : toolkit::Window(QStringLiteral("Loxane v" LOXANE_VERSION "  "), 7020, 6735, Border::FixedSingle),
      Cinq([this](int i) {
          auto button = std::make_unique<toolkit::PushButton>(*this, QString::number(ScaleKnots.at(static_cast<std::size_t>(i))),
                                                              TwipsBox{300.0f * i, 4800, 312, 252}, 4 + i);
          button->onClick = undoable("Cinq_Click", [this, i] {
              Cinq_Click(static_cast<std::int16_t>(i));
              sayScale(i);
          });
          return button;
      }),
      Quitter(new toolkit::PushButton(*this, QStringLiteral("Exit"), {3480, 4800, 612, 252}, 11)),
      Aide(new toolkit::PushButton(*this, QStringLiteral("Aide"), {4080, 4800, 792, 252}, 8)),
      Heure([this](int i) {
          auto button = std::make_unique<toolkit::OptionButton>(*this, QStringLiteral("Option1"), TwipsBox{4980, rowTop(i), 192, 192}, 20 + i);
          button->onClick = undoable("Heure_Click", [this, i] {
              Heure_Click(static_cast<std::int16_t>(i));
              sayHour(i);
          });
          return button;
      }),
      Label2([this](int) { return std::make_unique<toolkit::Label>(*this); }),
      Raz([this](int i) {
          auto button = std::make_unique<toolkit::OptionButton>(*this, QStringLiteral("Option1"), TwipsBox{6720, rowTop(i), 192, 192}, 44 + i);
          button->onClick = undoable("Raz_Click", [this, i] {
              Raz_Click(static_cast<std::int16_t>(i));
              sayHour(i);
          });
          return button;
      }),
      state_(state),
      Main(std::move(main)),
      rollback_(*this, state, std::move(drawRose))
{
    setBackColor(toolkit::rgb(3, 0, 99));
    designDiagram();
    designLegends();
    designButtonStrip();
    designReadouts();
    designHourPanel();
    designDrawingOrder();
    designKeyboard();
    onPointerMove = undoable<int, int, float, float>("form_MouseMove", [this](int button, int shift, float x, float y) {
        form_MouseMove(static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
    });
    centreOnScreen();
}

Form1::~Form1() = default;
