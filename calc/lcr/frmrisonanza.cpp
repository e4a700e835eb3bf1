// Resonance of an L-C pair: the frequency, the wavelength and the reactance of either element,
// which are equal at resonance.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmrisonanza : public CalcWindow {
public:
    frmrisonanza() : CalcWindow("frmrisonanza", "RISONANZA")
    {
        setSizeTwips(6300, 4560);
        for (Label* result : {lbloutputfrequenza, lbloutputmetri, lbloutputreattanza})
            setFontStyle(result, 9, true);
        setFontStyle(lblfantasma, 8.5, true);
        setForeColor(lblfantasma, QColor(0x80, 0x00, 0x00));
        lblfantasma->hide();

        txtinduttanza->onChange([this] { clearResults(); });
        txtcapacità->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
        cmdchiamabobine->onClick([this] { openCoilCalculator(); });
    }

    // The hint stands where the results will appear, until the first one does.
    void load() override
    {
        moveTwips(lblfantasma, 360, 2000);
        lblfantasma->show();
    }

private:
    void clearResults()
    {
        lbloutputfrequenza->setText(QString());
        lbloutputmetri->setText(QString());
        lbloutputreattanza->setText(QString());
    }

    void calcola()
    {
        const Real L = readNumber(txtinduttanza->text());
        const Real C = readNumber(txtcapacità->text());
        const Real P = L * C;
        if (P == 0) {
            warn(missingData, txtinduttanza);
            return;
        }
        // Only one of the two negative: no pair resonates, and the window says nothing.
        if (P < 0)
            return;
        const Real f = 1e6 / (sqrt(P) * 6.283184);     // kHz, from microhenry and picofarad
        const Real W = sqrt(P) * 1.885;                // metres
        const Single X = L * f * 0.00628318;           // 2 pi f L, f in kHz and L in microhenry
        lbloutputfrequenza->setText("Frequenza in Khz  :  " + formatFixed(f, 3));
        lbloutputmetri->setText("Lunghezza d'onda in mt. : " + formatFixed(W, 3));
        lbloutputreattanza->setText("Reattanza XL/XC = " + formatFixed(X, -1) + " Ohm ");
        lblfantasma->hide();
    }

    Label* lblinduttanza = label("lblinduttanza", "Induttanza in microHenry", {360, 345, 2520, 255});
    TextBox* txtinduttanza = textBox("txtinduttanza", {3000, 270, 1560, 315});
    Label* lblcapacità = label("lblcapacità", "capacità in picoFarad", {360, 825, 2520, 255});
    TextBox* txtcapacità = textBox("txtcapacità", {3000, 750, 1560, 315});
    Label* lbloutputfrequenza = label("lbloutputfrequenza", QString(), {360, 1800, 5520, 300});
    Label* lbloutputmetri = label("lbloutputmetri", QString(), {360, 2280, 5520, 300});
    Label* lbloutputreattanza = label("lbloutputreattanza", QString(), {360, 2760, 5520, 300});
    Label* lblfantasma = label("lblfantasma",
                               "COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz , LA LUNGHEZZA D'ONDA IN "
                               "METRI E LA REATTANZA XL = XC IN Ohm",
                               {360, 4200, 5520, 720});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {360, 3360, 1440, 450});
    Button* cmdchiamabobine = button("cmdchiamabobine", "DATI COSTRUZIONE BOBINE", {1920, 3360, 2640, 450});
    Button* cdmesci = closeButton("cdmesci", "ESCI", {4680, 3360, 1200, 450});
};

REGISTER_WINDOW("frmrisonanza", frmrisonanza)
