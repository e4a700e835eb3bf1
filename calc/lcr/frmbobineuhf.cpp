// UHF inductor: a straight conductor run parallel to the ground plane and grounded at one end,
// as printed or wired on the board of a UHF stage.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmbobineuhf : public CalcWindow {
public:
    frmbobineuhf() : CalcWindow("frmbobineuhf", "Bobine adatte per  uso in UHF")
    {
        setSizeTwips(7080, 4440);
        setFontStyle(lblinduttanza, 9, true);
        txtdiametro->onChange([this] { lblinduttanza->setText(QString()); });
        txtlunghezza->onChange([this] { lblinduttanza->setText(QString()); });
        txtdistanza->onChange([this] { lblinduttanza->setText(QString()); });
        ccmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        const Real d = readNumber(txtdiametro->text());
        const Real l = readNumber(txtlunghezza->text());
        const Single h = readNumber(txtdistanza->text());
        const Real r = d / 2;
        const Real P = l * d;
        if (P == 0) {
            warn(missingData, txtdiametro);
            return;
        }
        if (P < 0)
            return;
        // The conductor and its image in the ground plane, 2h away.
        const Single H2 = 2 * h;
        const Real ratio = (l + sqrt(r * r + l * l)) / (l + sqrt(4 * h * h + l * l));
        const Real first = l * 0.4605 * log(H2 / r) * ratio / log(Real(10));
        const Real second = 0.0002 * (r + (l / 4 + (sqrt(4 * h * h + l * l) - sqrt(r * r + l * l))) - H2);
        const QString Lnh = formatFixed(first + second, 3);
        lblinduttanza->setText("Induttanza in nanoHenry : = " + Lnh);
    }

    Label* Label1 = label("Label1",
                          "Nel campo delle UHF possono essere realizzati induttori costituiti da un conduttore "
                          "parallelo al piano di terra cui sono collegati ad un estremo",
                          {240, 180, 6480, 510});
    Frame* Frame1 = frame("Frame1", "Inserimento dati", {240, 840, 6480, 1620});
    ControlArray<Label>& Label2 = labels("Label2",
                                         {{0, "Diametro del conduttore in mm.", {240, 405, 3720, 255}},
                                          {1, "Lunghezza del conduttore in mm.", {240, 855, 3720, 255}},
                                          {2, "Distanza dal piano di terra in mm.", {240, 1305, 3720, 255}}},
                                         Frame1);
    TextBox* txtdiametro = textBox("txtdiametro", {4080, 345, 1560, 315}, Frame1);
    TextBox* txtlunghezza = textBox("txtlunghezza", {4080, 795, 1560, 315}, Frame1);
    TextBox* txtdistanza = textBox("txtdistanza", {4080, 1245, 1560, 315}, Frame1);
    Label* lblinduttanza = resultLabel("lblinduttanza", {240, 2640, 6480, 345});
    Button* ccmdcalcola = button("ccmdcalcola", "CALCOLA", {240, 3240, 1680, 450});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {5040, 3240, 1680, 450});
};

REGISTER_WINDOW("frmbobineuhf", frmbobineuhf)
