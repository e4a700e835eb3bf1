#pragma once
// The top of the three windows that show a core of the catalogue: the core list, the prompt beside
// it, the core's dimensions and the frame with its mix colours. The windows fill in the rest.

#include "common/calcwindow.h"

class ToroidWindow : public CalcWindow {
protected:
    ToroidWindow(const QString& form, const QString& title, const QString& prompt) : CalcWindow(form, title)
    {
        lblhelp1->setText(prompt);
        setForeColor(lblhelp1, Qt::red);
        setFontStyle(lbldimensioni, 8.5, true);
        Line1->setFrameShape(QFrame::HLine);
        Line1->setFrameShadow(QFrame::Sunken);
    }

    Combo* cmbnucleo = combo("cmbnucleo", {360, 300, 2520, 330}, nullptr, true);
    Label* lblhelp1 = label("lblhelp1", QString(), {3120, 345, 5400, 255});
    Label* lbldimensioni = label("lbldimensioni", QString(), {360, 840, 8760, 255});
    Frame* Frame1 = frame("Frame1", " CODICE COLORI IN BASE ALLA MISCELA ", {360, 1260, 8760, 1140});
    Label* lblcolor = label("lblcolor", QString(), {180, 330, 8400, 255}, Frame1);
    Label* Line1 = label("Line1", QString(), {180, 630, 8400, 30}, Frame1);
    Label* lblcolore = label("lblcolore", QString(), {180, 750, 8400, 255}, Frame1);
};
