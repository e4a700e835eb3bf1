// The self-capacitance of a single-layer coil, from its diameter, as the user types.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmcapacitabobina : public CalcWindow {
public:
    frmcapacitabobina() : CalcWindow("frmcapacitàbobina", "CAPACITA'  PROPRIA DI UNA BOBINA")
    {
        setSizeTwips(7440, 3720);
        setFontStyle(Label1, 9, true);
        setFontStyle(Label2, 8.5, true);
        setFontStyle(Label3, 8.5, true);
        setFontStyle(lblout, 9, true);
        txtd->onChange([this] { diametro(); });
    }

private:
    void diametro()
    {
        const Real D = readNumber(txtd->text());
        if (D <= 0) {
            focusTo(txtd);
            lblout->setText(QString());
            return;
        }
        // A rough rule for one layer: 0.6 pF a centimetre of diameter, plus half a picofarad.
        Real C = 0.6 * (D / 10) + 0.5;
        C = roundFixed(C, 1);
        lblout->setText(" LA CAPACITA' APPROSSIMATA DELLA BOBINA E' " + formatGeneral(C) + " pF");
    }

    Label* Label1 = label("Label1",
                          "LA CAPACITA'  PROPRIA DELLA BOBINA E' COSTITUITA DALLA CAPACITA' TRA SPIRA E SPIRA  E FRA "
                          "LA BOBINA E I CORPI ELETTRIZZATI CIRCOSTANTI",
                          {240, 180, 6840, 720});
    Label* Label2 = label("Label2", "FORMULA APPROSSIMATA DELLA CAPACITA' DI UNA BOBINA AD UNO STRATO",
                          {240, 1020, 6840, 255});
    Label* Label3 = label("Label3", "DIAMETRO DELLA BOBINA in mm", {240, 1560, 3120, 255});
    TextBox* txtd = textBox("txtd", {3480, 1515, 1440, 330});
    Label* lblout = resultLabel("lblout", {240, 2100, 6840, 420});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {4680, 2760, 2400, 480});
};

REGISTER_WINDOW("frmcapacitàbobina", frmcapacitabobina)
