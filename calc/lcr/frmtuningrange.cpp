// Tuning range: the capacitances a variable capacitor must reach to tune an inductance across a
// band, and the ratio between the largest and the smallest.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

class frmtuningrange : public CalcWindow {
public:
    frmtuningrange() : CalcWindow("frmtuningrange", "RAPPORTO DI SINTONIZZAZIONE")
    {
        setSizeTwips(8400, 4640);
        for (Label* note : {Label1, Label2}) {
            note->setWordWrap(true);
            setFontStyle(note, 8.5, true);
        }
        showAsResult(lblout);
        showAsResult(lbltr);

        txtfmin->onChange([this] { clearResults(); });
        txtfmax->onChange([this] { clearResults(); });
        txtl->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults()
    {
        lblout->setText(QString());
        lbltr->setText(QString());
    }

    void calcola()
    {
        const Real fmin = readNumber(txtfmin->text());
        const Real fmax = readNumber(txtfmax->text());
        const Real L = readNumber(txtl->text());
        const Real P = L * fmax * fmin;
        if (P == 0) {
            warn(missingData, txtfmin);
            return;
        }
        if (P < 0)
            return;
        // The capacitances are kept as the texts the user reads, and the ratio is taken from those
        // texts, so that it agrees with the two figures on the screen.
        Variant Cmax = Real(25300) / (L * (fmin * fmin));
        Cmax = formatFixed(Real(Cmax), 1);
        Variant Cmin = Real(25300) / (L * (fmax * fmax));
        Cmin = formatFixed(Real(Cmin), 1);
        Real TR = Real(Cmax) / Real(Cmin);
        TR = roundFixed(TR, 1);
        lblout->setText("LA CAPACITA' MINIMA E' pF " + Cmin.text() + "      LA CAPACITA' MASSIMA E' pF " + Cmax.text());
        lbltr->setText(" il TUNING RANGE è " + formatGeneral(TR));
    }

    Label* Label1 = label("Label1",
                          "IN UN CONDENSATORE VARIABILE, IL RAPPORTO DI SINTONIZZAZIONE - TUNING RANGE - E' IL "
                          "RAPPORTO TRA LA SUA CAPACITA' MASSIMA E LA SUA CAPACITA' MINIMA.",
                          {240, 180, 7800, 540});
    Label* Label2 = label("Label2",
                          "NOTA L'INDUTTANZA,  SI CALCOLA IL VALORE MASSIMO E MINIMO CHE DEVE ASSUMERE UN "
                          "CONDENSATORE VARIABILE PER OTTENERE LA RISONANZA DI UN CIRCUITO L - C  IN UN "
                          "INTERVALLO DI FREQUENZE.",
                          {240, 840, 7800, 600});
    Label* Label3 = label("Label3", "FREQUENZA MINIMA in MHz", {240, 1620, 3000, 285});
    TextBox* txtfmin = textBox("txtfmin", {3360, 1560, 1800, 345});
    Label* Label4 = label("Label4", "FREQUENZA MASSIMA in MHz", {240, 2100, 3000, 285});
    TextBox* txtfmax = textBox("txtfmax", {3360, 2040, 1800, 345});
    Label* Label5 = label("Label5", "INDUTTANZA in microHenry", {240, 2580, 3000, 285});
    TextBox* txtl = textBox("txtl", {3360, 2520, 1800, 345});
    Label* lblout = label("lblout", QString(), {240, 3120, 7800, 345});
    Label* lbltr = label("lbltr", QString(), {240, 3600, 4920, 345});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {5640, 1560, 2400, 450});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {5640, 2460, 2400, 450});
};

REGISTER_WINDOW("frmtuningrange", frmtuningrange)
