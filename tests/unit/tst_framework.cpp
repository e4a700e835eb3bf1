// The window framework: handlers, faults, focus, opening windows, the menu tree.

#include "app/menutree.h"
#include "app/startup.h"
#include "common/calcwindow.h"
#include "common/handlers.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/windowmanager.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <set>

namespace {
QStringList journal; // what the handlers of the test windows did, in order

// A modeless window with a cascade: setting txtb from txta's Change runs txtb's Change at that point.
class frmprovauno : public CalcWindow {
public:
    frmprovauno() : CalcWindow("frmprovauno", "PROVA UNO")
    {
        setSizeTwips(6000, 4000);
        Option1.onClick([](int i) { journal << QStringLiteral("Option1(%1)").arg(i); });
        txta->onChange([this] {
            journal << "txta " + txta->text();
            txtb->setText(txta->text() + "!");
            journal << "after txtb";
        });
        txtb->onChange([this] {
            journal << "txtb " + txtb->text();
            if (txtb->text() == "0!")
                lblb->setText(formatFixed(Real(1) / readNumber(txta->text()), 2)); // divides by zero
        });
        cmdcalcola->onClick([this] {
            lbla->setText("prima");
            const Real x = readNumber(txta->text());
            lblb->setText(formatFixed(Real(10) / x, 2));
            lblc->setText("dopo");
        });
        cmdcascata->onClick([this] {
            txta->setText("0");
            lblc->setText("dopo la cascata");
        });
        cmdnascosto->onClick([this] { warn("MANCA DATO", lblhidden); });
        cmdapri->onClick([this] { openWindow("frmprovadue", {Placement{180, 180}, Placement{4100, 2800}, ShowAs::Modeless}); });
    }

    Frame* Frame1 = frame("Frame1", "scelta", {120, 120, 2400, 1200});
    OptionGroup& Option1 = options("Option1", {{0, "uno", {120, 240, 2000, 300}}, {1, "due", {120, 600, 2000, 300}}}, Frame1);
    TextBox* txta = textBox("txta", {2700, 240, 1200, 300});
    TextBox* txtb = textBox("txtb", {2700, 660, 1200, 300});
    Label* lbla = label("lbla", "", {120, 1500, 2000, 255});
    Label* lblb = label("lblb", "", {120, 1800, 2000, 255});
    Label* lblc = label("lblc", "", {120, 2100, 2000, 255});
    Label* lblhidden = label("lblhidden", "", {120, 2400, 2000, 255});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {2700, 1500, 1200, 400});
    Button* cmdcascata = button("cmdcascata", "CASCATA", {2700, 2000, 1200, 400});
    Button* cmdnascosto = button("cmdnascosto", "NASCOSTO", {2700, 2500, 1200, 400});
    Button* cmdapri = button("cmdapri", "APRI", {4000, 1500, 1200, 400});
    Button* cmdesci = closeButton("cmdesci", "ESCI", {4000, 2000, 1200, 400});
};
REGISTER_WINDOW("frmprovauno", frmprovauno)

// A window whose first control is an option whose Click divides by zero.
class frmprovadue : public CalcWindow {
public:
    frmprovadue() : CalcWindow("frmprovadue", "PROVA DUE")
    {
        Option1.onClick([this](int) {
            lbl->setText("scritta");
            lbl->setText(formatGeneral(Real(1) / Real(0)));
        });
    }
    OptionGroup& Option1 = options("Option1", {{0, "uno", {120, 240, 2000, 300}}, {1, "due", {120, 600, 2000, 300}}});
    Label* lbl = label("lbl", "", {120, 1000, 2000, 255});
};
REGISTER_WINDOW("frmprovadue", frmprovadue)
} // namespace

class TestFramework : public QObject {
    Q_OBJECT

private:
    RecordingMessages* messages = nullptr;
    WindowManager& manager = WindowManager::instance();
    int quits = 0;

    frmprovauno* openOne()
    {
        auto* w = dynamic_cast<frmprovauno*>(manager.open("frmprovauno", ShowAs::Modeless, manager.mainWindow()));
        settle();
        return w;
    }

private slots:
    void initTestCase()
    {
        messages = new RecordingMessages;
        manager.setQuitHandler([this] { ++quits; });
    }
    void cleanupTestCase() { delete messages; }

    void init()
    {
        RegionalSettings::use(RegionalSettings::italian());
        freshMainWindow();
        messages->clear();
        journal.clear();
        quits = 0;
    }

    void cleanup()
    {
        manager.closeAll();
        settle();
    }

    void openingSelectsTheFirstOptionThroughTheFocus()
    {
        frmprovauno* w = openOne();
        QVERIFY(w->Option1(0)->isChecked());
        QCOMPARE(w->focusWidget(), w->Option1(0));
        QCOMPARE(journal, QStringList{"Option1(0)"});
    }

    void changeRunsOnlyWhenTheTextChanges()
    {
        frmprovauno* w = openOne();
        journal.clear();
        HandlerContext::run([w] { w->txtb->setText("x"); });
        HandlerContext::run([w] { w->txtb->setText("x"); });
        QCOMPARE(journal, QStringList{"txtb x"});
        QTest::keyClicks(w->txtb, "y");
        QCOMPARE(journal, (QStringList{"txtb x", "txtb xy"}));
    }

    void aCascadeRunsInTheMiddleOfTheHandler()
    {
        frmprovauno* w = openOne();
        journal.clear();
        QTest::keyClicks(w->txta, "5");
        QCOMPARE(journal, (QStringList{"txta 5", "txtb 5!", "after txtb"}));
    }

    void aFaultStopsTheHandlerAtTheFaultingStep()
    {
        frmprovauno* w = openOne();
        w->lblc->setText("prima ancora");
        w->cmdcalcola->click(); // txta is empty: 10 / 0
        QCOMPARE(w->lbla->text(), QStringLiteral("prima"));
        QCOMPARE(w->lblb->text(), QString());
        QCOMPARE(w->lblc->text(), QStringLiteral("prima ancora"));
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QCOMPARE(messages->messages.front().text, HandlerContext::faultMessage(FaultKind::DivisionByZero));
        QCOMPARE(messages->messages.front().icon, MessageIcon::Warning);
        QVERIFY(w->isVisible());
        QCOMPARE(HandlerContext::internalErrors(), 0);
    }

    void aFaultInACascadeStopsTheOuterHandlerToo()
    {
        frmprovauno* w = openOne();
        w->cmdcascata->click();
        QCOMPARE(w->txtb->text(), QStringLiteral("0!"));
        QCOMPARE(w->lblc->text(), QString()); // the step after the cascade never ran
        QCOMPARE(messages->messages.size(), std::size_t(1));
    }

    void aFaultInAClickStartedByTheFocusReachesTheOpener()
    {
        frmprovauno* one = openOne();
        one->cmdapri->click();
        settle();
        auto* two = dynamic_cast<frmprovadue*>(manager.find("frmprovadue"));
        QVERIFY(two);
        QCOMPARE(two->lbl->text(), QStringLiteral("scritta"));
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QCOMPARE(messages->messages.front().text, HandlerContext::faultMessage(FaultKind::DivisionByZero));
    }

    void theFocusCannotGoToAHiddenControl()
    {
        frmprovauno* w = openOne();
        w->lblhidden->hide();
        w->cmdnascosto->click();
        QCOMPARE(messages->messages.size(), std::size_t(2));
        QCOMPARE(messages->messages.at(0).text, QStringLiteral("MANCA DATO"));
        QCOMPARE(messages->messages.at(1).text, HandlerContext::faultMessage(FaultKind::Focus));
    }

    void oneInstanceBroughtForwardWithItsContents()
    {
        frmprovauno* w = openOne();
        QTest::keyClicks(w->txta, "7");
        QCOMPARE(openOne(), w);
        QCOMPARE(w->txta->text(), QStringLiteral("7"));
        // A modal entry for a window open modeless brings it forward, still modeless.
        QCOMPARE(manager.open("frmprovauno", ShowAs::Modal, manager.mainWindow()), w);
        QVERIFY(!w->isModal());
    }

    void aClosedWindowStartsAfresh()
    {
        frmprovauno* w = openOne();
        QTest::keyClicks(w->txta, "7");
        w->Option1(1)->click();
        w->cmdesci->click();
        settle();
        QVERIFY(!manager.find("frmprovauno"));
        frmprovauno* again = openOne();
        QVERIFY(again);
        QCOMPARE(again->txta->text(), QString());
        QVERIFY(again->Option1(0)->isChecked());
    }

    void aModalWindowBlocksTheMainWindow()
    {
        CalcWindow* w = manager.open("frmprovauno", ShowAs::Modal, manager.mainWindow());
        settle();
        QVERIFY(w->isModal());
        QCOMPARE(QApplication::activeModalWidget(), w);
        QVERIFY(QApplication::activeModalWidget() != manager.mainWindow());
    }

    void openingAnotherWindowPlacesBoth()
    {
        frmprovauno* one = openOne();
        one->cmdapri->click();
        settle();
        CalcWindow* two = manager.find("frmprovadue");
        QCOMPARE(QPoint(one->leftTwips(), one->topTwips()), QPoint(180, 180));
        QCOMPARE(QPoint(two->leftTwips(), two->topTwips()), QPoint(4095, 2805)); // whole pixels
        QVERIFY(!two->isModal());
    }

    void aModalWindowOpensOthersModal()
    {
        CalcWindow* one = manager.open("frmprovauno", ShowAs::Modal, manager.mainWindow());
        settle();
        static_cast<frmprovauno*>(one)->cmdapri->click();
        settle();
        QVERIFY(manager.find("frmprovadue")->isModal());
    }

    void endingTheProgramClosesEveryWindow()
    {
        frmprovauno* one = openOne();
        one->cmdapri->click();
        settle();
        manager.endProgram();
        settle();
        QCOMPARE(quits, 1);
        QVERIFY(manager.openWindows().isEmpty());
    }

    void aStoppedTimerDoesNotTick()
    {
        auto* timer = new Timer(manager.mainWindow());
        int ticks = 0;
        timer->onTick([&] { ++ticks; });
        timer->fire();
        QCOMPARE(ticks, 0); // no interval yet
        timer->setInterval(1000);
        timer->fire();
        timer->setEnabled(false);
        timer->fire();
        QCOMPARE(ticks, 1);
    }

    void theMenuTreeHasEveryEntry()
    {
        QCOMPARE(int(menuEntries().size()) + 1, 161);
        std::set<QString> controls;
        for (const MenuEntry& e : menuEntries())
            controls.insert(QString::fromUtf8(e.control));
        QCOMPARE(int(controls.size()), int(menuEntries().size()));
        CalcWindow* main = manager.mainWindow();
        QCOMPARE(main->menuBar()->actions().size(), 10);
        int leaves = 0;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->menu()) {
                    walk(a->menu());
                    continue;
                }
                ++leaves;
            }
        };
        for (QAction* a : main->menuBar()->actions())
            if (a->menu())
                walk(a->menu());
        QCOMPARE(leaves + 1, 161);
    }

    void anEntryIsEnabledExactlyWhenItsWindowIsRegistered()
    {
        CalcWindow* main = manager.mainWindow();
        std::vector<MenuEntry> all = menuEntries();
        all.push_back(readmeEntry());
        for (const MenuEntry& e : all) {
            auto* action = main->findChild<QAction*>(QString::fromUtf8(e.control));
            QVERIFY2(action, e.control);
            QCOMPARE(action->text(), QString::fromUtf8(e.caption));
            const bool registered = WindowRegistry::contains(QString::fromUtf8(e.form));
            QCOMPARE(action->isEnabled(), registered);
            if (!registered)
                QCOMPARE(action->toolTip(), notYetAvailable);
        }
    }

    void theFoundationWindowsAreRegistered()
    {
        QVERIFY(WindowRegistry::contains("frmleggediohm"));
        QVERIFY(WindowRegistry::contains("frmabaut"));
        QCOMPARE(menuShowing("frmleggediohm"), std::optional<ShowAs>(ShowAs::Modal));
        QCOMPARE(menuShowing("frmrisonanza"), std::optional<ShowAs>(ShowAs::Modeless));
        QCOMPARE(menuShowing("frmprovauno"), std::optional<ShowAs>());
    }
};

int main(int argc, char* argv[])
{
    useHeadlessPlatform();
    QApplication app(argc, argv);
    prepareTestApplication(app);
    TestFramework test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_framework.moc"
