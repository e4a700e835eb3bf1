// Voltage doublers: the no-load DC voltage from the AC input, and the smallest capacitors that
// hold it under the load current.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

class frmduplicatori : public CalcWindow {
public:
    frmduplicatori() : CalcWindow("frmduplicatori", "CALCOLO DEI CONDENSATORI IN CIRCUITI DUPLICATORI DI TENSIONI")
    {
        setSizeTwips(9840, 5760);
        for (Label* title : {Label1, Label2})
            setFontStyle(title, 8.5, true);
        for (Label* source : {Label5, Label6})
            setFontStyle(source, 9, true);
        Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        V = readNumber(txtvolt->text());
        I = readNumber(txtassorbimento->text());
        if (I * V <= 0) {
            warn(missingData, txtvolt);
            return;
        }
        // Twice the peak of the input, with the peak taken as 1.41 times the RMS value.
        Vdc = formatFixed(2 * (1.41 * V), 1);
        // The rule of thumb of the doubler: 850 µF for each milliampere drawn, over the output voltage.
        C = 850 / (Vdc / I);
        C = roundFixed(C, 0);
        lblvcc->setText("LA TENSIONE CONTINUA E' " + Vdc.text() + " VOLT A VUOTO");
        lblcap->setText("LA CAPACITA' MINIMA E' " + formatGeneral(C) + " microFARAD");
    }

    Real V;
    Real I;
    Variant Vdc;
    Real C;

    Label* Label1 = label("Label1", "DUPLICATORE CON NEGATIVO A MASSA", {240, 150, 4440, 255});
    Label* Label2 = label("Label2", "DUPLICATORE CON NEGATIVO ISOLATO DA MASSA", {5040, 150, 4440, 255});
    Picture* Picture1 = picture("Picture1", ":/assets/duplicatore_negativo_massa.svg", {240, 450, 4440, 2640});
    Picture* Picture2 = picture("Picture2", ":/assets/duplicatore_negativo_isolato.svg", {5040, 450, 4440, 2640});
    // The AC inputs, marked on the schematics.
    Label* Label5 = label("Label5", "A C", {60, 1200, 420, 270}, Picture1);
    Label* Label6 = label("Label6", "A C", {1500, 780, 600, 270}, Picture2);
    Label* Label3 = label("Label3", "TENSIONE ALTERNATA IN INGRESSO", {240, 3375, 3120, 255});
    TextBox* txtvolt = textBox("txtvolt", {3420, 3330, 1500, 345});
    Label* Label4 = label("Label4", "ASSORBIMENTO IN mA", {240, 3825, 3120, 255});
    TextBox* txtassorbimento = textBox("txtassorbimento", {3420, 3780, 1500, 345});
    Label* Label7 = label("Label7", "USARE IL PUNTO PER SEPARARE I DECIMALI", {5280, 3375, 4200, 255});
    Label* lblvcc = resultLabel("lblvcc", {240, 4320, 6000, 345});
    Label* lblcap = resultLabel("lblcap", {240, 4770, 6000, 345});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {6600, 4320, 1380, 795});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {8100, 4320, 1380, 795});
};

REGISTER_WINDOW("frmduplicatori", frmduplicatori)
