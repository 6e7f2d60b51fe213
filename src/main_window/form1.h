#pragma once

#include "main_window/event_rollback.h"
#include "main_window/form1_design.h"
#include "main_window/designed_controls.h"
#include "main_window/form1_variables.h"
#include "main_window/hour_row.h"
#include "numbers/number_services.h"
#include "toolkit/control_array.h"
#include "toolkit/push_button.h"
#include "toolkit/window.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Form2;
struct DiagramState;

// The main window: the polar diagram, the readouts, the scale buttons and
// the hour-segment panel. Its handlers change the diagram state and call
// Calcul, which rewrites from that state every control that follows the
// diagram; the few others the handlers set themselves.
class Form1 : public toolkit::Window {
    Q_OBJECT
public:
    // The start-up's shared record, its Main, which a change of scale runs
    // again, and its drawing of the rose, which an undone event redraws:
    // handed down, so this window needs nothing of the start-up.
    Form1(DiagramState& state, std::function<void()> main, std::function<void()> drawRose);
    ~Form1() override;

    void Calcul();
    // Told as each Calcul begins and once it has rewritten every control:
    // how tests count the recomputes, or make one fail half-way. Unset in
    // the tool.
    enum class CalculMoment { Begins, Ends };
    std::function<void(CalculMoment)> calculWatch;

    void form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Cinq_Click(std::int16_t Index);
    void Heure_Click(std::int16_t Index);
    void Raz_Click(std::int16_t Index);
    void Aide_Click();
    // Keys on the focused boat, current and wind: exact steps of what their
    // readouts show (Qt's key code, modifier mask).
    void Vb_KeyDown(int KeyCode, int Shift);
    void Vc_KeyDown(int KeyCode, int Shift);
    void Lv1_KeyDown(int KeyCode, int Shift);
    void Quitter_Click();
    // Marks the scale button Index as the chosen one for assistive
    // technology, as its colour marks it on screen.
    void markChosenScale(int Index);

    // The help window while it is open.
    Form2* helpWindow() const;

    Form1Variables var;

private:
    friend class HourRow;
    friend class form1_design::Label;
    friend class form1_design::Shape;
    friend class form1_design::Line;
    // Sets whether a control shows as the window is made, and lists it
    // among those that show and hide with the means when its design says so.
    void designShowing(toolkit::WindowlessControl& control, form1_design::Showing showing);

    // What shows only while some hour is recorded; COGMean is shown apart,
    // once its text is ready.
    std::vector<toolkit::WindowlessControl*> meanDisplay_;

    using enum form1_design::Colour;
    using enum form1_design::Typeface;
    using enum form1_design::Edge;
    using enum form1_design::Figure;
    using enum form1_design::Pointer;
    using enum form1_design::Showing;
    using enum toolkit::Alignment;
    using Label = form1_design::Label;
    using Shape = form1_design::Shape;
    using Line = form1_design::Line;

public:
    // The push buttons: the scale buttons, Exit and Aide.
    toolkit::ControlArray<toolkit::PushButton, form1_design::ScaleButtons> Cinq{[this](int i) {
        const std::int16_t knots = form1_design::ScaleKnots.at(static_cast<std::size_t>(i));
        return std::unique_ptr<toolkit::PushButton>(
            pushButton(QString::number(knots), {300.0f * i, 4800, 312, 252}, 4 + i, "Cinq_Click",
                       [this, i] {
                           Cinq_Click(static_cast<std::int16_t>(i));
                           sayScale(i);
                       }));
    }};
    toolkit::PushButton* Quitter =
        pushButton(QStringLiteral("Exit"), {3480, 4800, 612, 252}, 11, "Quitter_Click", [this] { Quitter_Click(); });
    toolkit::PushButton* Aide =
        pushButton(QStringLiteral("Aide"), {4080, 4800, 792, 252}, 8, "Aide_Click", [this] { Aide_Click(); });

    // The windowless controls, declared back to front: each lies in front
    // of every one declared before it, and the push and option buttons in
    // front of them all. A control is added here, in its place, whole.
    Label Label7{*this, {0, 4560, 1212, 252}, {"Echelle (kn):", PanelGrey, WindowText, Left, Borderless, Arial, 10.5}};
    Shape Shape2{*this, {Panel, {60, 5100, 4872, 1572}}};
    Label COGMean{*this, {60, 6300, 4812, 312}, {"", DarkGrey, LightGreen, Centre, Bordered, ArialBold, 10.5}};
    Shape Vcmoyen{*this, {Ring, {1440, 840, 252, 252}, PalePink}, "courant moyen", HiddenWithTheMeans};
    Line Lv1{*this, {1275, 1800, 2475, 2325, InactiveTitleBar, 2}, "vent"};
    Line Lf{*this, {2925, 1200, 4125, 1725, WindowBackground, 1}};
    Line Lc{*this, {1800, 1725, 3000, 2250, WindowBackground, 1}};
    Line Lb{*this, {2850, 1425, 4050, 1950, WindowBackground, 1}};
    Label COG{*this, {120, 5520, 1212, 372}, {"Fond", PanelGrey, DarkGreen, Centre, Bordered, Arial, 10.5}};
    Label Flow{*this, {1920, 5520, 1212, 372}, {"Courant", PanelGrey, Red, Centre, Bordered, Arial, 10.5}};
    Label Sail{*this, {3660, 5520, 1212, 372}, {"Voilier", PanelGrey, Blue, Centre, Bordered, Arial, 10.5}};
    Label Label1{*this, {120, 5940, 4752, 252},
                 {"COG                Courant             Voilier", PanelGrey, ButtonShadow, Centre, Borderless, Arial, 12}};
    Label VMG{*this, {120, 5160, 2052, 312}, {"VMG", PanelGrey, ButtonText, Centre, Bordered, ArialBold, 10.5}};
    Label Vent{*this, {2820, 5160, 2052, 312}, {"Vent xx°  yy°", PanelGrey, ButtonText, Centre, Bordered, ArialBold, 10.5}};
    Shape Shape1{*this, {Frame, {-120, 60, 4992, 4992}}};
    Shape Shape3{*this, {Panel, {4920, 60, 2052, 6612}}};
    Label Label3{*this, {4980, 5940, 1932, 372},
                 {"XXX° YY.Y n", DarkGrey, LightRed, Centre, Bordered, ArialBold, 10.5}, WithTheMeans};
    Line Lcmoyen{*this, {525, 1950, 1725, 2475, WindowBackground, 1}, "", HiddenWithTheMeans};
    Shape Vfmoyen{*this, {DashedRing, {2760, 1800, 252, 252}, PaleGreen}, "route fond moyenne", HiddenWithTheMeans};
    Line Lfmoyen{*this, {1125, 2475, 2325, 3000, WindowBackground, 1}, "", HiddenWithTheMeans};
    Shape Shape6{*this, {Disc, {120, 660, 252, 252}, Green}, "", WithTheMeans};
    Shape Shape7{*this, {Disc, {120, 420, 252, 252}, Red}, "", WithTheMeans};
    Label Label4{*this, {120, 120, 552, 252},
                 {"instant", PanelGrey, ButtonText, Left, Borderless, Arial, 9}, HiddenWithTheMeans};
    Label Label5{*this, {4980, 6300, 1932, 312},
                 {"Intégrale courant", DarkGrey, LightRed, Centre, Borderless, Arial, 10.5}, WithTheMeans};
    Shape Shape4{*this, {Ring, {4500, 420, 252, 252}, PalePink}, "", WithTheMeans};
    Shape Shape5{*this, {DashedRing, {4500, 720, 252, 252}, PaleGreen}, "", WithTheMeans};
    Label Label6{*this, {4200, 120, 612, 252},
                 {"moyen", PanelGrey, ButtonText, Left, Borderless, Arial, 9}, HiddenWithTheMeans};
    // The tags follow their spots, which the pointer drags through them.
    Label Flux{*this, {2100, 1260, 372, 252},
               {"Flux", WindowBackground, Red, Centre, Bordered, DefaultFont, 8, LetsThePointerThrough}};
    Label Boat{*this, {1860, 420, 372, 252},
               {"Cap", WindowBackground, Blue, Centre, Bordered, DefaultFont, 8, LetsThePointerThrough}};
    Shape Vf{*this, {Disc, {2280, 720, 252, 252}, Green}, "route fond"};
    Shape Vc{*this, {Disc, {2160, 780, 252, 252}, Red}, "courant"};
    Shape Vb{*this, {Disc, {2160, 660, 252, 252}, Blue}, "bateau"};
    Label Wind{*this, {660, 1020, 432, 252},
               {"Vent", WindowBackground, Blue, Centre, Bordered, DefaultFont, 8, LetsThePointerThrough}};

private:
    // Each row's label in front of the previous row's.
    toolkit::ControlArray<HourRow, form1_design::HourRows> rows_{
        [this](int i) { return std::make_unique<HourRow>(*this, i); }};

public:
    // The hour rows' controls, addressed by row: Heure(i), Label2(i), Raz(i).
    HourColumn<toolkit::OptionButton, &HourRow::record> Heure{rows_};
    HourColumn<toolkit::Label, &HourRow::label> Label2{rows_};
    HourColumn<toolkit::OptionButton, &HourRow::erase> Raz{rows_};

    Label Label8{*this, {2160, 0, 615, 375}, {"Nord", ActiveBorder, ButtonText, Centre, Bordered, Arial, 9.75}};

private:
    void designKeyboard();
    void moveSpot(toolkit::Shape& spot, float& vectorX, float& vectorY, float x, float y);
    // What a screen reader hears of the results (spoken_results.cpp).
    void describeResults();
    QString spotInWords(const toolkit::Shape& spot) const;
    QString readoutInWords(const toolkit::Shape& spot) const;
    QString windInWords() const;
    void sayHour(int Index);
    void sayScale(int Index);
    void stepSpot(toolkit::Shape& spot, float& vectorX, float& vectorY, std::int16_t heading, int KeyCode, int Shift);

    void CalculVectorTriangle();
    void CalculWind();
    void CalculMeans();
    void placeSpot(toolkit::Shape& spot, float x, float y);
    void placeLineFromCentre(toolkit::Line& line, float x, float y);

    // A handler wired under its name: should it fail, the event is undone
    // and the toolkit reports it.
    template <class... Args, class Handler>
    toolkit::EventHandler<Args...> undoable(const char* name, Handler handler)
    {
        return {name, [this, handler](Args... args) { rollback_.run([&] { handler(args...); }); }};
    }
    // A push button of the strip, owned by the window.
    template <class Handler>
    toolkit::PushButton* pushButton(const QString& caption, toolkit::TwipsBox box, int tabPosition, const char* name,
                                    Handler handler)
    {
        auto* button = new toolkit::PushButton(*this, caption, box, tabPosition);
        button->setBackColor(form1_design::colour(form1_design::PaleBlue));
        button->setFont(form1_design::font(form1_design::Arial, 10.5));
        button->onClick = undoable(name, handler);
        return button;
    }

    QPointer<Form2> helpWindow_; // none until the first click on Aide
    DiagramState& state_;
    const std::function<void()> Main;
    EventRollback rollback_;
    // Readouts use the user's decimal separator, read once with the window.
    const numbers::NumberLocale numberLocale_ = numbers::NumberLocale::current();
};
