// Windows whose size and place change while they are used: the decibel window grows to uncover its
// worked example and shrinks back on every option, to the largest size it declares.

#include "app/startup.h"
#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/windowmanager.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>

class TestWindowGeometry : public QObject {
    Q_OBJECT

private:
    RecordingMessages* messages = nullptr;
    WindowManager& manager = WindowManager::instance();

    // Steps of a row: "txtinput1=20" types into a field, "cmdcalcola" or "Option1(2)" clicks.
    static void run(CalcWindow* window, const QStringList& steps)
    {
        for (const QString& step : steps) {
            const qsizetype equals = step.indexOf(QLatin1Char('='));
            if (equals > 0) {
                auto* field = window->findChild<QLineEdit*>(step.left(equals));
                QVERIFY2(field, qPrintable(step));
                typeText(field, step.mid(equals + 1));
            } else {
                auto* button = window->findChild<QAbstractButton*>(step);
                QVERIFY2(button, qPrintable(step));
                button->click();
            }
            settle();
        }
    }

private slots:
    void initTestCase() { messages = new RecordingMessages; }
    void cleanupTestCase() { delete messages; }

    void init()
    {
        RegionalSettings::use(RegionalSettings::italian());
        freshMainWindow();
        messages->clear();
    }

    void cleanup()
    {
        manager.closeAll();
        settle();
    }

    void decibelWindow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("exampleInSight");

        QTest::newRow("opening") << QStringList{} << 2100 << 2000 << 4900 << false;
        QTest::newRow("gain in decibels") << QStringList{"txtinput1=20", "cmdcalcola"} << 2100 << 1000 << 6700 << true;
        QTest::newRow("gain beyond 70 dB") << QStringList{"txtinput1=80", "cmdcalcola"} << 2100 << 1000 << 6700 << true;
        QTest::newRow("negative gain") << QStringList{"txtinput1=-3", "cmdcalcola"} << 2100 << 2000 << 4900 << false;
        QTest::newRow("an option after growing")
            << QStringList{"txtinput1=20", "cmdcalcola", "Option1(2)"} << 2100 << 2000 << 4900 << false;
        QTest::newRow("back to decibels after growing")
            << QStringList{"txtinput1=20", "cmdcalcola", "Option1(1)", "Option1(0)"} << 2100 << 2000 << 4900 << false;
        QTest::newRow("gain from two voltages")
            << QStringList{"Option1(1)", "txtinput1=1", "txtinput2=2", "cmdcalcola"} << 2100 << 2000 << 4900 << false;
    }

    void decibelWindow()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, height);
        QFETCH(bool, exampleInSight);

        CalcWindow* window = manager.open("frmdB", ShowAs::Modal, manager.mainWindow());
        settle();
        QVERIFY(window);
        run(window, steps);
        messages->clear();

        // Twips become whole pixels: a place or size holds within one pixel.
        const auto near = [](int twips, int wanted) { return std::abs(twips - wanted) < twipsPerPixel; };
        QVERIFY2(near(window->leftTwips(), left), qPrintable(QString::number(window->leftTwips())));
        QVERIFY2(near(window->topTwips(), top), qPrintable(QString::number(window->topTwips())));
        QVERIFY2(near(window->widthTwips(), 7890), qPrintable(QString::number(window->widthTwips())));
        QVERIFY2(near(window->heightTwips(), height), qPrintable(QString::number(window->heightTwips())));
        // The whole example section, down to its last result, stands inside the client area or
        // wholly below it.
        for (const char* name : {"Label3", "txtvoltesempio", "Label10"}) {
            auto* control = window->findChild<QWidget*>(name);
            QVERIFY(control);
            const QRect inClient(control->mapTo(window->client(), QPoint(0, 0)), control->size());
            if (exampleInSight)
                QVERIFY2(window->client()->rect().contains(inClient), name);
            else
                QVERIFY2(inClient.top() >= window->client()->height(), name);
        }
    }

    // The largest size a window declares is the size it grows to; a window that declares none
    // reports its present client area.
    void largestClientArea_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("growingSteps");
        QTest::addColumn<bool>("grows");

        QTest::newRow("declared: the decibel window, grown by a gain")
            << QStringLiteral("frmdB") << QStringList{"txtinput1=20", "cmdcalcola"} << true;
        QTest::newRow("declared: the decibel window, grown by a refused gain")
            << QStringLiteral("frmdB") << QStringList{"txtinput1=90", "cmdcalcola"} << true;
        QTest::newRow("not declared: Ohm's law") << QStringLiteral("frmleggediohm") << QStringList{} << false;
    }

    void largestClientArea()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, growingSteps);
        QFETCH(bool, grows);

        CalcWindow* window = manager.open(form, ShowAs::Modal, manager.mainWindow());
        settle();
        QVERIFY(window);
        const QSize largest = window->largestClientSize();
        QCOMPARE(largest.height() > window->client()->height(), grows);
        QCOMPARE(largest.width(), window->client()->width());
        run(window, growingSteps);
        messages->clear();
        QCOMPARE(window->client()->size(), largest);
        QCOMPARE(window->largestClientSize(), largest);
    }
};

int main(int argc, char* argv[])
{
    useHeadlessPlatform();
    QApplication app(argc, argv);
    prepareTestApplication(app);
    TestWindowGeometry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowgeometry.moc"
