#pragma once

#include "main_window/event_rollback.h"
#include "main_window/form1_design.h"
#include "main_window/form1_variables.h"
#include "numbers/number_services.h"
#include "toolkit/control_array.h"
#include "toolkit/label.h"
#include "toolkit/line.h"
#include "toolkit/option_button.h"
#include "toolkit/push_button.h"
#include "toolkit/shape.h"
#include "toolkit/window.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>

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

    // The diagram.
    toolkit::Shape Shape1{*this, toolkit::ShapeKind::Rectangle};
    toolkit::Label Label8{*this};
    toolkit::Shape Vb{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Vc{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Vf{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Vcmoyen{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Vfmoyen{*this, toolkit::ShapeKind::Circle};
    toolkit::Line Lb{*this};
    toolkit::Line Lc{*this};
    toolkit::Line Lf{*this};
    toolkit::Line Lv1{*this};
    toolkit::Line Lcmoyen{*this};
    toolkit::Line Lfmoyen{*this};
    toolkit::Label Boat{*this};
    toolkit::Label Flux{*this};
    toolkit::Label Wind{*this};

    // The legends.
    toolkit::Label Label4{*this};
    toolkit::Shape Shape7{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Shape6{*this, toolkit::ShapeKind::Circle};
    toolkit::Label Label6{*this};
    toolkit::Shape Shape4{*this, toolkit::ShapeKind::Circle};
    toolkit::Shape Shape5{*this, toolkit::ShapeKind::Circle};

    // The button strip.
    toolkit::Label Label7{*this};
    toolkit::ControlArray<toolkit::PushButton, form1_design::ScaleButtons> Cinq;
    toolkit::PushButton* Quitter;
    toolkit::PushButton* Aide;

    // The readout panel.
    toolkit::Shape Shape2{*this, toolkit::ShapeKind::Rectangle};
    toolkit::Label VMG{*this};
    toolkit::Label Vent{*this};
    toolkit::Label COG{*this};
    toolkit::Label Flow{*this};
    toolkit::Label Sail{*this};
    toolkit::Label Label1{*this};
    toolkit::Label COGMean{*this};

    // The hour-segment panel.
    toolkit::Shape Shape3{*this, toolkit::ShapeKind::Rectangle};
    toolkit::ControlArray<toolkit::OptionButton, form1_design::HourRows> Heure;
    toolkit::ControlArray<toolkit::Label, form1_design::HourRows> Label2;
    toolkit::ControlArray<toolkit::OptionButton, form1_design::HourRows> Raz;
    toolkit::Label Label3{*this};
    toolkit::Label Label5{*this};

private:
    void designDiagram();
    void designLegends();
    void designButtonStrip();
    void designReadouts();
    void designHourPanel();
    void designDrawingOrder();
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
    // What the means show while some hour is recorded, and hide otherwise;
    // COGMean is shown apart, once its text is ready.
    std::array<toolkit::LightControl*, 12> meanDisplay();

    // A handler wired under its name: should it fail, the event is undone
    // and the toolkit reports it.
    template <class... Args, class Handler>
    toolkit::EventHandler<Args...> undoable(const char* name, Handler handler)
    {
        return {name, [this, handler](Args... args) { rollback_.run([&] { handler(args...); }); }};
    }

    QPointer<Form2> helpWindow_; // none until the first click on Aide
    DiagramState& state_;
    const std::function<void()> Main;
    EventRollback rollback_;
    // Readouts use the user's decimal separator, read once with the window.
    const numbers::NumberLocale numberLocale_ = numbers::NumberLocale::current();
};
