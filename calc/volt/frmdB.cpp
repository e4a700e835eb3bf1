// Decibels: the voltage and power ratios of a gain, or the gain between two voltages or two powers,
// with a worked example below the normal bottom edge that the window uncovers by growing.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

#include <QPainter>

namespace {
const QString ratioPicture = "#,##0.###";
const QString onlyPositive = "SOLO VALORI POSITIVI";
} // namespace

class frmdB : public CalcWindow {
public:
    frmdB() : CalcWindow("frmdB", "CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE")
    {
        setSizeTwips(7890, 4900);
        setLargestSizeTwips(7890, 6700);
        txtinput1->setToolTip("inserire i dati e cliccare \"Calcola\"");
        txtinput2->setToolTip("inserire i dati e cliccare \"Calcola\"");
        txtvoltesempio->setToolTip("IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA");
        for (Label* caption : {lblinput1, lblinput2, lbloutput1, lbloutput2, lblvariazione}) {
            setFontStyle(caption, 8.5, true);
            caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        }
        setFontStyle(Label3, 9, true);
        lblvariazione->hide();

        Option1.onClick([this](int i) { optionChosen(i); });
        txtinput1->onChange([this] {
            txtvoltesempio->setText(QString());
            lbldbesempio->setText(QString());
        });
        txtvoltesempio->onChange([this] { showExample(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

    void load() override { setGeometryTwips(2100, 2000, 7890, 4900); }

private:
    void optionChosen(int i)
    {
        setGeometryTwips(2100, 2000, 7890, 4900);
        lblvariazione->hide();
        const bool fromDecibels = i == 0;
        lblinput2->setVisible(!fromDecibels);
        txtinput2->setVisible(!fromDecibels);
        lbloutput2->setVisible(fromDecibels);
        lblout2->setVisible(fromDecibels);
        switch (i) {
        case 0:
            lblinput1->setText("DECIBEL");
            lbloutput1->setText("RAPPORTO  in TENSIONE");
            lbloutput2->setText("RAPPORTO in POTENZA");
            break;
        case 1:
            lblinput1->setText("TENSIONE ENTRATA");
            lblinput2->setText("TENSIONE USCITA");
            lbloutput1->setText("DECIBEL");
            break;
        case 2:
            lblinput1->setText("POTENZA ENTRATA");
            lblinput2->setText("POTENZA USCITA");
            lbloutput1->setText("DECIBEL");
            break;
        }
    }

    void calcola()
    {
        x1 = readNumber(txtinput1->text());
        if (x1 < 0) {
            warn(onlyPositive, txtinput1);
            return;
        }
        if (Option1.selected() == 0) {
            if (x1 > 70) {
                warn("MASSIMO DB CALCOLABILE = 70", txtinput1);
            } else {
                RV = pow(10, x1 / 20);
                RP = RV * RV;
                // The ratios are kept as the text shown: the example multiplies by what the user read.
                RV = formatPattern(RV, ratioPicture);
                RP = formatPattern(RP, ratioPicture);
                lblout1->setText(RV.text());
                lblout2->setText(RP.text());
            }
            // Even a refused gain uncovers the example, which then works with the last ratios.
            setGeometryTwips(2100, 1000, 7890, 6700);
            lbldbesempio->setText(formatGeneral(x1));
            return;
        }

        x2 = readNumber(txtinput2->text());
        if (x1 * x2 <= 0) {
            warn(onlyPositive, txtinput1);
            return;
        }
        if (x1 <= x2) {
            R = x2 / x1;
            lblvariazione->setText("DB di GUADAGNO");
        } else {
            R = x1 / x2;
            lblvariazione->setText("DB di ATTENUAZIONE");
        }
        const Real perDecade = Option1.selected() == 1 ? 20 : 10; // voltages, powers
        DB = perDecade * log(R) / log(Real(10));
        lblout1->setText(formatPattern(DB, "#0.##"));
        lblvariazione->show();
    }

    // Before the first gain in decibels the voltage ratio is still 0, and the attenuated voltage
    // divides by it.
    void showExample()
    {
        E = readNumber(txtvoltesempio->text());
        Label9->setText(formatPattern(RV * E, ratioPicture));
        Label10->setText(formatPattern(E / RV, ratioPicture));
    }

    Real x1;
    Real x2;
    Variant RV;
    Variant RP;
    Real R;
    Real DB;
    Single E;

    Label* Label1 = label("Label1",
                          "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto esistente tra il "
                          "segnale applicato all'ingresso e il segnale prelevato all'uscita di un dispositivo. Il "
                          "Decibel può esprimere un guadagno o una attenuazione.",
                          {150, 90, 7470, 660});
    Frame* Frame1 = frame("Frame1", " Opzioni di calcolo ", {150, 780, 7470, 1380});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA", {180, 330, 7110, 300}},
                                    {1, "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL", {180, 660, 7110, 300}},
                                    {2, "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL", {180, 990, 7110, 300}}},
                                   Frame1);
    Label* lblinput1 = label("lblinput1", QString(), {150, 2265, 1800, 390});
    Label* lblinput2 = label("lblinput2", QString(), {2070, 2265, 1800, 390});
    Label* lbloutput1 = label("lbloutput1", QString(), {3990, 2265, 1800, 390});
    Label* lbloutput2 = label("lbloutput2", QString(), {5910, 2265, 1710, 390});
    Label* lblvariazione = label("lblvariazione", QString(), {5910, 2265, 1710, 390});
    TextBox* txtinput1 = textBox("txtinput1", {150, 2685, 1800, 315});
    TextBox* txtinput2 = textBox("txtinput2", {2070, 2685, 1800, 315});
    Label* lblout1 = resultLabel("lblout1", {3990, 2685, 1800, 315});
    Label* lblout2 = resultLabel("lblout2", {5910, 2685, 1710, 315});
    Label* Label2 = label("Label2", "per separare i decimali usare il punto", {150, 3135, 4200, 255});
    Label* Label11 = label("Label11", " dopo l'inserimento cliccare su CALCOLA  --->", {150, 3720, 4080, 255});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {4290, 3600, 1560, 450});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {6060, 3600, 1560, 450});

    // The example section, below the bottom edge until the window grows.
    Drawing* Shape1 = drawing("Shape1", {150, 4500, 7470, 1620}, [](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 128), 30));
        p.drawRect(15, 15, 7440, 1590);
        p.drawLine(15, 390, 7455, 390);
    });
    Label* Label3 = label("Label3", "  Facciamo un esempio ", {240, 4575, 3000, 285});
    Label* Label4 = label("Label4", "In un dispositivo che presenta un guadagno o una attenuazione di DB :",
                          {270, 5010, 5250, 255});
    Label* lbldbesempio = resultLabel("lbldbesempio", {5640, 4980, 1200, 315});
    Label* Label5 = label("Label5", "se si applica in ingresso una tensione di  :", {270, 5400, 5250, 255});
    TextBox* txtvoltesempio = textBox("txtvoltesempio", {5640, 5370, 1200, 315});
    Label* Label6 = label("Label6", "si ottengono in uscita :", {270, 5790, 1800, 255});
    Label* Label7 = label("Label7", "in guadagno  : ", {2070, 5790, 1110, 255});
    Label* Label9 = resultLabel("Label9", {3180, 5760, 1320, 315});
    Label* Label8 = label("Label8", " in attenuazione  : ", {4590, 5790, 1380, 255});
    Label* Label10 = resultLabel("Label10", {5970, 5760, 1320, 315});
};

REGISTER_WINDOW("frmdB", frmdB)
