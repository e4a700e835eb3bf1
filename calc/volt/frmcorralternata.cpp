// An alternating quantity in time: wavelength, frequency, angular frequency and period from any one
// of them. Wavelength in metres, frequency in kHz, angular frequency in radians a second, period in
// milliseconds.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

namespace {
const char* const captions[4] = {"METRI :", "FREQUENZA IN KHz :", "PULSAZIONE/SECONDO :", "PERIODO/millisecondi:"};

QString frequencyText(Real F) { return "LA FREQUENZA E'  " + formatFixed(F, 2) + " Khz"; }
QString pulsationText(Real W) { return "LA PULSAZIONE E'  " + formatFixed(W, 2) + " RADIANTI SECONDO"; }
QString wavelengthText(Real L) { return "CORRISPONDE A  " + formatFixed(L, 2) + " METRI"; }
// The period is shown to the microsecond: rounded to six decimals of a millisecond, then in its
// shortest form.
QString periodText(Real T) { return "IL PERIODO E'  " + formatGeneral(roundFixed(T, 6)) + " MILLISECONDI"; }
} // namespace

class frmcorralternata : public CalcWindow {
public:
    frmcorralternata() : CalcWindow("frmcorralternata", "CORRENTE ALTERNATA IN FUNZIONE DEL TEMPO")
    {
        setSizeTwips(7290, 5190);
        Frame1->setToolTip("effettuare una scelta");
        txtinput->setToolTip("immissione dato");
        cmdcalcola->setToolTip("abilita il calcolo");
        cdmesci->setToolTip("esce dall'applicazione");
        setFontStyle(Label1, 8.5, true);
        setFontStyle(lblselezione, 8.5, true);

        Option1.onClick([this](int i) { knownChosen(i); });
        txtinput->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults()
    {
        lbloutput1->setText(QString());
        lbloutput2->setText(QString());
        lbloutput3->setText(QString());
    }

    void knownChosen(int i)
    {
        txtinput->setText(QString());
        clearResults();
        lblselezione->setText(captions[i]);
    }

    void calcola()
    {
        const Real x = readNumber(txtinput->text());
        if (x <= 0) {
            warn(missingData, txtinput);
            return;
        }
        // 300000 km/s over a frequency in kHz gives metres; the period option keeps its own 6283.
        Real F, W, L, T;
        switch (Option1.selected()) {
        case 0:
            F = 300000 / x;
            W = 1000 * (F * 6.2832);
            T = 1 / F;
            lbloutput1->setText(frequencyText(F));
            lbloutput2->setText(pulsationText(W));
            lbloutput3->setText(periodText(T));
            break;
        case 1:
            L = 300000 / x;
            W = 1000 * (x * 6.2832);
            T = 1 / x;
            lbloutput1->setText(wavelengthText(L));
            lbloutput2->setText(pulsationText(W));
            lbloutput3->setText(periodText(T));
            break;
        case 2:
            F = x / 6283.2;
            L = 300000 / F;
            T = 1 / F;
            lbloutput1->setText(frequencyText(F));
            lbloutput2->setText(wavelengthText(L));
            lbloutput3->setText(periodText(T));
            break;
        case 3:
            W = 6283 / x;
            F = W / 6283;
            L = 300000 / F;
            lbloutput1->setText(frequencyText(F));
            lbloutput2->setText(pulsationText(W));
            lbloutput3->setText(wavelengthText(L));
            break;
        }
    }

    Label* Label1 = label("Label1",
                          "PERIODO   FREQUENZA  e  PULSAZIONE  definiscono una grandezza alternata in funzione del tempo",
                          {240, 150, 6720, 480});
    Label* Label2 = label("Label2", "SEPARARE I DECIMALI CON IL PUNTO", {240, 720, 6720, 255});
    Frame* Frame1 = frame("Frame1", "dato conosciuto", {240, 1080, 2760, 1800});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "METRI", {180, 330, 2460, 300}},
                                    {1, "FREQUENZA", {180, 690, 2460, 300}},
                                    {2, "PULSAZIONE", {180, 1050, 2460, 300}},
                                    {3, "PERIODO", {180, 1410, 2460, 300}}},
                                   Frame1);
    Label* lblselezione = label("lblselezione", QString(), {3300, 1260, 3000, 255});
    TextBox* txtinput = textBox("txtinput", {3300, 1560, 2400, 345});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {3300, 2340, 1620, 480});
    Button* cdmesci = closeButton("cdmesci", "CHIUDI", {5100, 2340, 1620, 480});
    Label* lbloutput1 = resultLabel("lbloutput1", {240, 3120, 6720, 345});
    Label* lbloutput2 = resultLabel("lbloutput2", {240, 3570, 6720, 345});
    Label* lbloutput3 = resultLabel("lbloutput3", {240, 4020, 6720, 345});
};

REGISTER_WINDOW("frmcorralternata", frmcorralternata)
