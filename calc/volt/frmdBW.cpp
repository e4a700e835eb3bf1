// dBW, dBm and watt into one another, with the voltage the power gives across 50 and 75 ohm and,
// from dBm, the level in dBµV. Every keystroke converts.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

namespace {
struct Choice {
    const char* input;
    const char* output1;
    const char* output2;
    const char* range;
};

// One row an option: the unit typed, the units of the first two results, the range the user is told.
const Choice choices[3] = {
    {"dBW", "dBm", "Watt", "calcolabili da -30 dBWatt a + 50 dBWatt"},
    {"dBm", "dBW", "Watt", "calcolabili da -120 a +80 dBm  (1 femoWatt/100 kiloWatt)"},
    {"Watt", "dBW", "dBm", "calcolabili da 0.1 mWatt a 100.000 Watt"},
};

const QColor chosenColor(0, 0, 192);

// How a level in dBm is shown: voltages and power in the unit that keeps the figures readable.
struct Scale {
    Real voltFactor;      // applied to the voltages before formatting
    QString voltUnit;
    Real powerFactor;     // applied to the power after the voltages...
    bool powerFirst;      // ...or before them
    QString powerUnit;
};

Scale scaleOf(Real P)
{
    if (P < -90)
        return {1e6, "microVolt", 1e15, false, "femtoWatt"};
    if (P < -60)
        return {1e6, "microVolt", 1e12, false, "picoWatt"};
    if (P < -30)
        return {1e3, "milliVolt", 1e9, false, "nanoWatt"};
    if (P < 0)
        return {1, "milliVolt", 1e6, true, "microWatt"};
    if (P <= 13)
        return {1e3, "milliVolt", 1e3, false, "milliWatt"};
    if (P < 30)
        return {1, "Volt", 1e3, false, "milliWatt"};
    return {1, "Volt", 1, false, "Watt"};
}
} // namespace

class frmdBW : public CalcWindow {
public:
    frmdBW() : CalcWindow("frmdBW", "Conversioni dBWatt - dBmilliWatt in Watt - Volt")
    {
        setSizeTwips(9390, 5160);
        txtinput->setToolTip("inserisci il valore");
        setFontStyle(Label1, 8.5, true);
        setFontStyle(lblinput, 8.5, true);
        for (Label* caption : {lbloutput1, lbloutput2, lblout50, lblout75, lbloutdbuv}) {
            setFontStyle(caption, 8.5, true);
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        }
        Frameoutput->hide();

        Option1.onClick([this](int i) { optionChosen(i); });
        txtinput->onChange([this] { convert(); });
    }

private:
    void optionChosen(int i)
    {
        // Emptying the field converts at once for the new option; the frame hides what that wrote.
        txtinput->setText(QString());
        Frameoutput->hide();
        if (i != 1) {
            lbloutdbuv->setText(QString());
            lbldbuv->setText(QString());
        }
        lblinput->setText(choices[i].input);
        lbloutput1->setText(choices[i].output1);
        lbloutput2->setText(choices[i].output2);
        lblnota->setText(choices[i].range);
        for (const auto& [index, option] : Option1.items())
            setForeColor(option, index == i ? chosenColor : systemButtonTextColor());
    }

    void convert()
    {
        P = readNumber(txtinput->text());
        switch (Option1.selected()) {
        case 0: fromDbw(); break;
        case 1: fromDbm(); break;
        case 2: fromWatt(); break;
        }
        Frameoutput->show();
    }

    void fromDbw()
    {
        if (P < -30 || P > 50) {
            warn("VALORI da:  - 30 a + 50", txtinput, noticeTitle);
            return;
        }
        DBM = formatFixed(P + 30, 3);
        W = formatFixed(pow(10, P / 10), 3);
        lblout1->setText(DBM.text());
        lbloutput1->setText("dBm");
        lblout50->setText("Volt su 50 ohm");
        lblout75->setText("Volt su 75 ohm");
        lblvolt50->setText(formatFixed(sqrt(W * 50), 2));
        lblvolt75->setText(formatFixed(sqrt(W * 75), 2));
        if (P >= 0) {
            lbloutput2->setText("Watt");
            lblout2->setText(W.text());
        } else {
            lbloutput2->setText("milliWatt");
            lblout2->setText(formatGeneral(1000 * W));
        }
    }

    void fromDbm()
    {
        if (P < -120 || P > 80) {
            warn("VALORI DA: - 120 a + 80", txtinput, noticeTitle);
            return;
        }
        DBW = formatFixed(P - 30, 2);
        W = pow(10, DBW / 10); // from the rounded dBW, in watt
        const Scale scale = scaleOf(P);
        if (scale.powerFirst)
            W = W * scale.powerFactor;
        lblvolt50->setText(formatFixed(scale.voltFactor * sqrt(W * 50), 2));
        lblvolt75->setText(formatFixed(scale.voltFactor * sqrt(W * 75), 2));
        lblout50->setText(scale.voltUnit + " su 50 ohm");
        lblout75->setText(scale.voltUnit + " su 75 ohm");
        if (!scale.powerFirst)
            W = W * scale.powerFactor;
        lbloutput2->setText(scale.powerUnit);
        lblout1->setText(DBW.text());
        lblout2->setText(formatFixed(W, 2));
        // 0 dBm across 50 ohm is 107 dB above one microvolt.
        lbloutdbuv->setText(QStringLiteral("dB\u00B5V su 50 ohm"));
        lbldbuv->setText(formatGeneral(P + 107));
    }

    void fromWatt()
    {
        if (P == 0)
            return;
        if (P < 0) {
            warn("NON ESISTONO WATT NEGATIVI", txtinput);
            return;
        }
        if (P > 100000) {
            warn("VALORE ECCESSIVO", txtinput, noticeTitle);
            return;
        }
        DBW = formatFixed(10 * log(P) / log(Real(10)), 2);
        DBM = formatFixed(DBW + 30, 2);
        lblout1->setText(DBW.text());
        lblout2->setText(DBM.text());
        lblout50->setText("Volt su 50 ohm");
        lblout75->setText("Volt su 75 ohm");
        lblvolt50->setText(formatFixed(sqrt(P * 50), 2));
        lblvolt75->setText(formatFixed(sqrt(P * 75), 2));
    }

    Real P;
    Variant DBW;
    Variant DBM;
    Variant W;

    Label* Label1 = label("Label1",
                          "IL  dBWatt (dBW) E IL dBmilliwatt (dBm) SONO UNITA'  DI MISURA DI GUADAGNO O DI ATTENUAZIONE",
                          {240, 150, 8880, 300});
    Label* Label3 = label("Label3",
                          "IL dBW E' USATO DI SOLITO PER POTENZE SUPERIORI AL WATT     0 dBW = 1 WATT    IL dBm  E' USATO "
                          "DI SOLITO PER POTENZE INFERIORI  AL WATT     0 dBm = 1 milliWatt",
                          {240, 540, 8880, 480});
    Frame* Frame1 = frame("Frame1", " Opzioni ", {240, 1140, 3480, 1410});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "Da dBW a Watt", {180, 330, 3180, 300}},
                                    {1, "Da dBm a Watt, Volt e dBuV", {180, 690, 3180, 300}},
                                    {2, "Da Watt a dBW", {180, 1050, 3180, 300}}},
                                   Frame1);
    Label* lblinput = label("lblinput", "dBW", {4080, 1230, 2400, 255});
    TextBox* txtinput = textBox("txtinput", {4080, 1530, 2400, 345});
    Label* lblpuntovirgola = label("lblpuntovirgola", "SEPARARE I DECIMALI CON IL PUNTO", {6720, 1530, 2400, 420});
    Label* lblnota = label("lblnota", QString(), {4080, 1980, 5040, 450});
    Frame* Frameoutput = frame("Frameoutput", QString(), {240, 2640, 8880, 1200});
    Label* lbloutput1 = label("lbloutput1", QString(), {90, 120, 1680, 450}, Frameoutput);
    Label* lblout1 = resultLabel("lblout1", {90, 660, 1680, 345}, Frameoutput);
    Label* lbloutput2 = label("lbloutput2", QString(), {1845, 120, 1680, 450}, Frameoutput);
    Label* lblout2 = resultLabel("lblout2", {1845, 660, 1680, 345}, Frameoutput);
    Label* lblout50 = label("lblout50", QString(), {3600, 120, 1680, 450}, Frameoutput);
    Label* lblvolt50 = resultLabel("lblvolt50", {3600, 660, 1680, 345}, Frameoutput);
    Label* lblout75 = label("lblout75", QString(), {5355, 120, 1680, 450}, Frameoutput);
    Label* lblvolt75 = resultLabel("lblvolt75", {5355, 660, 1680, 345}, Frameoutput);
    Label* lbloutdbuv = label("lbloutdbuv", QString(), {7110, 120, 1680, 450}, Frameoutput);
    Label* lbldbuv = resultLabel("lbldbuv", {7110, 660, 1680, 345}, Frameoutput);
    Button* cmdesci = closeButton("cmdesci", "E S C I", {7320, 4050, 1800, 480});
};

REGISTER_WINDOW("frmdBW", frmdBW)
