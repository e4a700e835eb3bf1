// RMS, peak, peak-to-peak and average voltage of a sine, triangle or square wave, from any one of
// the first three. Every keystroke converts.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

namespace {
struct Wave {
    Real a; // peak / RMS
    Real b; // RMS / peak
    Real c; // peak-to-peak / RMS
    Real m; // average / peak
};

// One row a wave shape, in the order of the options, with the factors rounded as bench tables give them.
const Wave waves[3] = {
    {1.414, 0.707, 2.828, 0.637}, // SINUSOIDALI
    {1.732, 0.577, 3.464, 0.5},   // TRIANGOLARI
    {1, 1, 2, 1},                 // QUADRE
};

const QColor chosenColor(0, 0, 192);
} // namespace

class frmvolt : public CalcWindow {
public:
    frmvolt() : CalcWindow("frmvolt", "VOLT EFFICACI - VOLT DI PICCO - VOLT PICCO PICCO")
    {
        setSizeTwips(6990, 4830);
        txtinput->setToolTip("inserisci il voltaggio");
        setFontStyle(lblinput, 8.5, true);
        Option2(0)->setChecked(true);

        Option1.onClick([this](int i) { knownChosen(i); });
        Option2.onClick([this](int) { clearAll(); });
        txtinput->onChange([this] { convert(); });
    }

private:
    // The field first: emptying it converts a zero, which the labels then lose.
    void clearAll()
    {
        txtinput->setText(QString());
        lblout1->setText(QString());
        lblout2->setText(QString());
        lblout3->setText(QString());
    }

    void knownChosen(int i)
    {
        clearAll();
        lblinput->setText(Option1(i)->text());
        for (const auto& [index, option] : Option1.items())
            setForeColor(option, index == i ? chosenColor : systemButtonTextColor());
    }

    void convert()
    {
        const Wave& wave = waves[Option2.selected()];
        const Real V = readNumber(txtinput->text());
        if (V < 0) {
            warn("VALORE NEGATIVO", txtinput);
            return;
        }
        const QString known = lblinput->text();
        if (known == "VOLT EFFICACI") {
            Vp = formatFixed(wave.a * V, 2);
            Vpp = formatFixed(2 * Vp, 2);
            lblout1->setText("VOLT di picco : " + Vp.text());
            lblout2->setText("VOLT picco picco : " + Vpp.text());
        } else if (known == "VOLT DI PICCO") {
            Veff = formatFixed(wave.b * V, 2);
            Vpp = formatFixed(V * 2, 2);
            lblout1->setText("VOLT efficaci : " + Veff.text());
            lblout2->setText("VOLT picco picco : " + Vpp.text());
            Vp = V;
        } else if (known == "VOLT PICCO PICCO") {
            Veff = formatFixed(V / wave.c, 2);
            Vp = formatFixed(V / 2, 2);
            lblout1->setText("VOLT efficaci : " + Veff.text());
            lblout2->setText("VOLT di picco : " + Vp.text());
        }
        Vm = formatFixed(wave.m * Vp, 2);
        lblout3->setText("VOLT VALORE MEDIO : " + Vm.text());
    }

    Variant Veff;
    Variant Vp;
    Variant Vpp;
    Variant Vm;

    Frame* Frame1 = frame("Frame1", "Dato conosciuto", {240, 180, 3120, 1440});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "VOLT EFFICACI", {180, 330, 2820, 300}},
                                    {1, "VOLT DI PICCO", {180, 690, 2820, 300}},
                                    {2, "VOLT PICCO PICCO", {180, 1050, 2820, 300}}},
                                   Frame1);
    Frame* Frame2 = frame("Frame2", " ONDE ", {3600, 180, 3120, 1440});
    OptionGroup& Option2 = options("Option2",
                                   {{0, "SINUSOIDALI", {180, 330, 2820, 300}},
                                    {1, "TRIANGOLARI", {180, 690, 2820, 300}},
                                    {2, "QUADRE", {180, 1050, 2820, 300}}},
                                   Frame2);
    Label* lblinput = label("lblinput", QString(), {240, 1905, 2400, 255});
    TextBox* txtinput = textBox("txtinput", {2700, 1860, 1800, 345});
    Label* Label1 = label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI", {240, 2340, 4500, 255});
    Label* lblout1 = resultLabel("lblout1", {240, 2760, 4260, 345});
    Label* lblout2 = resultLabel("lblout2", {240, 3210, 4260, 345});
    Label* lblout3 = resultLabel("lblout3", {240, 3660, 4260, 345});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {4920, 3600, 1800, 480});
};

REGISTER_WINDOW("frmvolt", frmvolt)
