// Two capacitors in series and in parallel, in picofarads; totals above a thousand in nanofarads.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

#include <QIcon>

class frmcondensatori : public CalcWindow {
public:
    frmcondensatori() : CalcWindow("frmcondensatori", "CONDENSATORI IN SERIE E IN PARALLELO")
    {
        setSizeTwips(7920, 3360);
        cmdcalcola->setToolTip("abilita il calcolo");
        cmdesci->setToolTip("chiude l'applicazione");
        cmdesci->setIcon(QIcon(":/assets/exit.svg"));
        cmdesci->setIconSize(QSize(30, 30));
        setFontStyle(lblserie, 9, true);
        setFontStyle(lblparallelo, 9, true);
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        const Real C1 = readNumber(txtc1->text());
        const Real C2 = readNumber(txtc2->text());
        if (C1 * C2 <= 0) {
            warn(missingData, txtc1);
            return;
        }
        const Real Cp = C1 + C2;
        const Real Cs = C1 * C2 / (C1 + C2);
        // The switch to nanofarads comes at 1001: a 1000 pF total still reads in picofarads.
        if (Cs < 1001)
            lblserie->setText("TOTALE SERIE =  " + formatPattern(Cs, "#,##0.##") + "  " + "picoF");
        else
            lblserie->setText("TOTALE SERIE =  " + formatPattern(Cs / 1000, "#,##0.##") + "  " + "nanoF");
        if (Cp < 1001)
            lblparallelo->setText("TOTALE PARALLELO =  " + formatPattern(Cp, "#,##0.#") + "  " + "picoF");
        else
            lblparallelo->setText("TOTALE PARALLELO =  " + formatPattern(Cp / 1000, "#,##0.#") + "  " + "nanoF");
    }

    Label* lblserie = resultLabel("lblserie", {240, 240, 3600, 420});
    Label* lblparallelo = resultLabel("lblparallelo", {3960, 240, 3600, 420});
    Label* Label1 = label("Label1", "PRIMO CONDENSATORE in pF :", {240, 1110, 3000, 255});
    TextBox* txtc1 = textBox("txtc1", {3360, 1050, 1680, 345});
    Label* Label2 = label("Label2", "SECONDO CONDENSATORE in pF :", {240, 1650, 3000, 255});
    TextBox* txtc2 = textBox("txtc2", {3360, 1590, 1680, 345});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {5520, 1050, 2040, 885});
    Button* cmdesci = closeButton("cmdesci", QString(), {6840, 2220, 720, 600});
};

REGISTER_WINDOW("frmcondensatori", frmcondensatori)
