// The main window: the program's name blinking over a crystal radio, the menu tree that opens every
// calculator, and the button that ends the program.

#include "menutree.h"
#include "startup.h"

#include "common/calcwindow.h"
#include "common/windowmanager.h"

#include <QMenuBar>

namespace {
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
} // namespace

class FRMVELSARINO : public CalcWindow {
public:
    FRMVELSARINO() : CalcWindow("FRMVELSARINO", "VELSARINO    -   TONDELLA")
    {
        buildMenuBar(menuBar(), this);
        // Ten entries share the width of the window: keep them close together.
        menuBar()->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 3px 4px; }");
        setBackground(":/assets/crystal_radio.svg");

        setFontStyle(lbltitolo, 20, true, "DejaVu Serif");
        setForeColor(lbltitolo, red);
        lbltitolo->setWordWrap(false);
        lbltitolo->setToolTip("clicca per fermare");
        lbltitolo->onClick([this] { Timer1->setEnabled(false); });

        LBLVERSIONE->setToolTip("maggio 2002");
        LBLVERSIONE->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setForeColor(LBLVERSIONE, QColor(250, 240, 215));

        cdmexit->setIcon(QIcon(":/assets/exit.svg"));
        cdmexit->setIconSize(QSize(30, 30));
        cdmexit->setToolTip("CHIUDI TUTTO");
        cdmexit->onClick([] {
            if (showMessage("SEI SICURO ?", "AVVISO", MessageIcon::Question) ==
                MessageAnswer::Yes)
                WindowManager::instance().endProgram();
        });

        // The title alternates red and blue once a second, starting red.
        Timer1->onTick([this] { setForeColor(lbltitolo, foreColor(lbltitolo) == red ? blue : red); });
    }

    void load() override
    {
        setSizeTwips(8595, 6690);
        Timer1->setInterval(1000);
    }

private:
    Label* lbltitolo = label("lbltitolo", "VELSARINO", {360, 240, 3300, 600});
    Label* LBLVERSIONE = label("LBLVERSIONE", " vers. 2.10", {5700, 5460, 1500, 255});
    Button* cdmexit = button("cdmexit", QString(), {7500, 5220, 720, 600});
    Timer* Timer1 = timer("Timer1");
};

CalcWindow* createMainWindow()
{
    auto* window = new FRMVELSARINO;
    WindowManager::instance().setMainWindow(window);
    window->load();
    return window;
}
