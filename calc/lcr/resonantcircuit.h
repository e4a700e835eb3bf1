#pragma once
// What the resonant-impedance and the Q-factor windows share: the two resonance sketches, the
// three component fields, the series results, and the checks and formulas behind them. Each window
// writes the results in its own way.

#include "common/calcwindow.h"
#include "common/real.h"

#include <optional>

class ResonantCircuitWindow : public CalcWindow {
protected:
    ResonantCircuitWindow(const QString& form, const QString& title, const QString& note, const QString& initialR);

    struct Resonance {
        Real R;
        Real f0; // MHz
        Real XL; // ohm, at resonance
        Real Qs; // series circuit
        Real Bs; // kHz
        Real Zp; // ohm
    };
    // Reads the fields and computes; nothing when a check refuses the values (after its message, or
    // silently for a negative product, with the old results cleared).
    std::optional<Resonance> resonance();
    virtual void clearResults();

    Label* Label4 = label("Label4", "risonanza serie", {240, 180, 2700, 285});
    Picture* Picture1 = picture("Picture1", ":/assets/risonanza_serie.svg", {240, 480, 2700, 1800});
    Label* Label5 = label("Label5", "risonanza parallelo", {3180, 180, 2700, 285});
    Picture* Picture2 = picture("Picture2", ":/assets/risonanza_parallelo.svg", {3180, 480, 2700, 1800});

    Label* Label1 = label("Label1", "CAPACITA'  IN picoFARAD", {6240, 480, 3120, 285});
    TextBox* txtC = textBox("txtC", {6240, 765, 1800, 345});
    Label* Label2 = label("Label2", "INDUTTANZA IN microHENRY", {6240, 1200, 3120, 285});
    TextBox* txtL = textBox("txtL", {6240, 1485, 1800, 345});
    Label* Label3 = label("Label3", "RESISTENZA IN OHM", {6240, 1920, 3120, 285});
    TextBox* txtR = textBox("txtR", {6240, 2205, 1800, 345});
    Label* Label6 = label("Label6", QString(), {240, 2760, 9120, 480});

    Label* lblfrequenza = resultLabel("lblfrequenza", {240, 3360, 4440, 345});
    Label* lblzserie = resultLabel("lblzserie", {240, 3780, 4440, 345});
    Label* lblzparallelo = resultLabel("lblzparallelo", {240, 4200, 4440, 345});
    Label* lblqserie = resultLabel("lblqserie", {4920, 3360, 4440, 345});
    Label* lbllbserie = resultLabel("lbllbserie", {4920, 3780, 4440, 345});
};
