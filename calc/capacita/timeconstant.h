#pragma once
// The two time-constant windows, R-C and R-L, share one layout: from two known quantities among
// resistance, reactive part and time, the third, with the circuit drawn beside it. Each window gives
// its texts and its formulas.

#include "chargingcircuit.h"

#include "common/calcwindow.h"
#include "common/real.h"

struct TimeConstantTexts {
    const char* form;
    const char* title;
    const char* note;
    const char* options[3];
    // Caption and unit of the three rows, for each choice of the known quantities.
    struct Row {
        const char* caption;
        const char* unit;
    };
    Row rows[3][3];
    // The value label of the capacitor or inductor on the drawing, its name and its letter.
    const char* reactiveName;
    const char* reactiveLetter;
    schematic::Reactive part;
};

class TimeConstantWindow : public CalcWindow {
public:
    explicit TimeConstantWindow(const TimeConstantTexts& texts);

protected:
    // The unknown from the two values typed, and its number of decimals.
    virtual Real result(int option, Real X1, Real X2) const = 0;
    virtual int decimals(int option) const = 0;

private:
    void optionChosen(int i);
    void calcola();

    const TimeConstantTexts& texts_;

    Label* Label1;
    Frame* Frame1;
    OptionGroup& Option1;
    ControlArray<Label>& lblinput;
    ControlArray<Label>& lblumisura;
    TextBox* txtinput1;
    TextBox* txtinput2;
    Drawing* Picture1;
    Label* lblr;
    Label* lblreactive;
    Button* cmdcalcola;
    Button* cmdesci;
};
