// The toroid catalogue: its shape, a few cores checked against the data sheet, and the list with
// its colour frame that the toroid windows share.

#include "common/controls.h"
#include "common/toroids.h"

#include <QLineEdit>
#include <QSet>
#include <QTest>

class TestToroids : public QObject {
    Q_OBJECT

private slots:
    void catalogueHas170Cores() { QCOMPARE(toroidCores().size(), std::size_t(170)); }

    void sizesCoverThePositionsInOrder()
    {
        int next = 0;
        for (const ToroidSize& size : toroidSizes()) {
            QCOMPARE(size.first, next);
            QVERIFY2(size.last >= size.first, size.size);
            for (int position = size.first; position <= size.last; ++position)
                QCOMPARE(QString::fromLatin1(toroidCores()[position].size), QString::fromLatin1(size.size));
            next = size.last + 1;
        }
        QCOMPARE(next, int(toroidCores().size()));
        QCOMPARE(toroidSizes().size(), std::size_t(24));
    }

    void mixesAscendWithinEachSize()
    {
        for (const ToroidSize& size : toroidSizes())
            for (int position = size.first + 1; position <= size.last; ++position)
                QVERIFY2(toroidCores()[position - 1].mix < toroidCores()[position].mix,
                         qPrintable(toroidListText(toroidCores()[position])));
    }

    void everyMixHasItsColours()
    {
        QSet<int> mixes;
        for (const ToroidMix& m : toroidMixes())
            mixes.insert(m.mix);
        QCOMPARE(mixes.size(), 11);
        for (const ToroidCore& core : toroidCores())
            QVERIFY2(mixes.contains(core.mix), qPrintable(toroidListText(core)));
    }

    void listTextsAreUnique()
    {
        QSet<QString> texts;
        for (const ToroidCore& core : toroidCores())
            texts.insert(toroidListText(core));
        QCOMPARE(texts.size(), int(toroidCores().size()));
    }

    void everyCoreHasAPositiveAl()
    {
        for (const ToroidCore& core : toroidCores())
            QVERIFY2(core.al > 0, qPrintable(toroidListText(core)));
    }

    void cores_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("al");
        QTest::addColumn<QString>("dimensions");
        QTest::addColumn<QString>("colours");
        QTest::newRow("first") << 0 << "T-12/ 0" << 3.0 << "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"
                               << " 0              MARRONE          GRIGIO             100 / 300";
        QTest::newRow("fractional AL") << 7 << "T-12/12" << 7.5 << "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"
                                       << "12                VERDE            BIANCO             50 / 200";
        QTest::newRow("last of a size") << 9 << "T-12/17" << 7.5 << "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"
                                        << "17                BLU                GIALLO             20 / 200";
        QTest::newRow("first of the next size") << 10 << "T-16/ 0" << 3.0
                                                << "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"
                                                << " 0              MARRONE          GRIGIO             100 / 300";
        QTest::newRow("T-16 has no mix 7") << 15 << "T-16/10" << 13.0 << "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"
                                           << "10                NERO               GRIGIO              30 / 100";
        QTest::newRow("T-37 mix 3") << 56 << "T-37/ 3" << 120.0 << "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm"
                                    << " 3               GRIGIO             GRIGIO             0.05 / 0.5";
        QTest::newRow("T-50 mix 2") << 77 << "T-50/ 2" << 49.0 << "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"
                                    << " 2               ROSSO              GRIGIO               2 / 30";
        QTest::newRow("T-50 mix 15") << 83 << "T-50/15" << 135.0 << "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"
                                     << "15                ROSSO            BIANCO              0.1 / 2";
        QTest::newRow("T-94 mix 26") << 116 << "T-94/26" << 590.0 << "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm"
                                     << "26               GIALLO             BIANCO             50 HERTZ";
        QTest::newRow("T-106 mix 7") << 122 << "T-106/ 7" << 133.0 << "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm"
                                     << " 7               BIANCO              GRIGIO              3 / 35";
        QTest::newRow("T-157 mix 1") << 133 << "T-157/ 1" << 320.0 << "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm"
                                     << " 1                BLU                   GRIGIO              0.5 / 5";
        QTest::newRow("T-184 mix 26") << 143 << "T-184/26" << 1640.0 << "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm"
                                      << "26               GIALLO             BIANCO             50 HERTZ";
        QTest::newRow("a lettered size") << 150 << "T-200A/ 2" << 218.0 << "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"
                                         << " 2               ROSSO              GRIGIO               2 / 30";
        QTest::newRow("T-200A mix 6") << 152 << "T-200A/ 6" << 180.0 << "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"
                                      << " 6               GIALLO             GRIGIO              10 / 50";
        QTest::newRow("T-400A mix 26") << 167 << "T-400A/26" << 2600.0 << "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm"
                                       << "26               GIALLO             BIANCO             50 HERTZ";
        QTest::newRow("last") << 169 << "T-520/26" << 1460.0 << "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm"
                              << "26               GIALLO             BIANCO             50 HERTZ";
    }
    void cores()
    {
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(double, al);
        QFETCH(QString, dimensions);
        QFETCH(QString, colours);
        const ToroidCore& core = toroidCores()[position];
        QCOMPARE(toroidListText(core), text);
        QCOMPARE(core.al.value(), al);
        QCOMPARE(toroidDimensions(position), dimensions);
        QCOMPARE(toroidColourRow(position), colours);
    }

    // The list and its frame, as a window holds them.
    void displayStartsWithNothingChosen()
    {
        Controls c;
        c.display.fill();
        QCOMPARE(c.list.count(), 170);
        QCOMPARE(c.list.currentIndex(), -1);
        QCOMPARE(c.list.text(), QStringLiteral("TOROIDI"));
        QCOMPARE(c.list.itemText(0), QStringLiteral("T-12/ 0"));
        QCOMPARE(c.list.itemText(169), QStringLiteral("T-520/26"));
        QCOMPARE(c.list.toolTip(), QStringLiteral("CLICCARE E TASTI CURSORE O MOUSE"));
        QCOMPARE(c.display.position(), std::int16_t(-1));
    }

    void choosingShowsTheCore()
    {
        Controls c;
        c.display.fill();
        c.result.setText(QStringLiteral("OCCORRONO 10,0 SPIRE"));
        c.list.setCurrentIndex(77);
        c.display.showChosen();
        QCOMPARE(c.display.position(), std::int16_t(77));
        QCOMPARE(c.display.al().value(), 49.0);
        QCOMPARE(c.result.text(), QString());
        QCOMPARE(c.header.text(), QStringLiteral(" MISCELA     1° COLORE       2° COLORE       FREQ. MHz"));
        QCOMPARE(c.colours.text(), QStringLiteral(" 2               ROSSO              GRIGIO               2 / 30"));
        QCOMPARE(c.dimensions.text(), QStringLiteral("DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"));
        QVERIFY(c.frame.isVisibleTo(&c.parent));
    }

    void typingIntoTheListChoosesNothing()
    {
        Controls c;
        c.display.fill();
        c.list.setCurrentIndex(77);
        c.display.showChosen();
        c.list.lineEdit()->setText(QStringLiteral("T-12/10"));
        emit c.list.lineEdit()->editingFinished();
        QCOMPARE(c.list.currentIndex(), 77);
        QCOMPARE(c.list.text(), QStringLiteral("T-12/10"));
        QCOMPARE(c.display.al().value(), 49.0);
    }

private:
    struct Controls {
        QWidget parent;
        Combo list{&parent, true};
        Frame frame{&parent};
        Label header{&frame};
        Label colours{&frame};
        Label dimensions{&parent};
        Label result{&parent};
        ToroidDisplay display{&list, &frame, &header, &colours, &dimensions, {&result}};
        Controls() { frame.hide(); }
    };
};

QTEST_MAIN(TestToroids)
#include "tst_toroids.moc"
