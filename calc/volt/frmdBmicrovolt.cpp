// Microvolt and dBµV into one another, as television aerial levels are given across 75 ohm.
// Every keystroke converts.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

namespace {
const QString negativeValues = "NON ESISTONO VALORI NEGATIVI";
}

class frmdBmicrovolt : public CalcWindow {
public:
    frmdBmicrovolt() : CalcWindow("frmdBmicrovolt", "dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm")
    {
        setSizeTwips(7260, 4560);
        setFontStyle(Label1, 8.5, true);
        setFontStyle(lblinput, 8.5, true);
        setFontStyle(lbloutput, 8.5, true);
        lbloutput->hide();

        Option1.onClick([this](int i) { optionChosen(i); });
        txtin->onChange([this] { convert(); });
    }

private:
    void optionChosen(int i)
    {
        txtin->setText(QString());
        if (i == 0) {
            lblinput->setText("DIGITARE I microvolt");
            lbloutput->setText("CORRISPONDE A dBmicrovolt : ");
        } else {
            lblinput->setText("DIGITARE I dBmicrovolt");
            lbloutput->setText("CORRISPONDE A microvolt");
        }
    }

    void convert()
    {
        X = readNumber(txtin->text());
        if (Option1.selected() == 0) {
            // 1 microvolt is the 0 dB reference: an empty field and a negative one both show it.
            if (X == 0)
                X = 1;
            if (X < 0) {
                X = 1;
                warn(negativeValues, txtin);
            }
            Q = 20 * log(X) / log(Real(10));
            // Rounded as the single-precision value reads, to its 7 digits: 11.81 µV gives 21,45.
            Q = readLocaleNumber(formatFixed(Q, 2));
            lblout->setText(formatGeneral(Q));
        } else if (X > 120) {
            warn("dBmicroV max = 120", txtin);
        } else if (X < 0) {
            warn(negativeValues, txtin);
        } else {
            Q = toSingle(roundPattern(pow(10, X / 20), "#,##0.##"));
            lblout->setText(formatGeneral(Q));
        }
        lbloutput->show();
    }

    Real X;
    Single Q;

    Label* Label1 = label("Label1",
                          "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL GUADAGNO "
                          "O L' ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM.",
                          {240, 120, 6660, 690});
    Label* Label2 = label("Label2", "usare il punto del tastierino numerico per i decimali", {240, 900, 6660, 255});
    Frame* Frame1 = frame("Frame1", " Opzioni di calcolo  ", {240, 1260, 3600, 1110});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "da microvolt a dBmicrovolt", {180, 330, 3300, 300}},
                                    {1, "da dBmicroV a microvolt", {180, 690, 3300, 300}}},
                                   Frame1);
    Label* lblinput = label("lblinput", QString(), {240, 2580, 2940, 255});
    TextBox* txtin = textBox("txtin", {3240, 2535, 1800, 345});
    Label* lbloutput = label("lbloutput", QString(), {240, 3060, 2940, 255});
    Label* lblout = resultLabel("lblout", {3240, 3015, 1800, 345});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {5220, 3570, 1680, 480});
};

REGISTER_WINDOW("frmdBmicrovolt", frmdBmicrovolt)
