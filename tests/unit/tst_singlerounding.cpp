// The rounding idiom for values held in single precision: the text a float is rounded through has
// 7 significant digits, not the 15 of a double.

#include "common/numbers.h"

#include <QTest>

class TestSingleRounding : public QObject {
    Q_OBJECT

private slots:
    void init() { RegionalSettings::use(RegionalSettings::italian()); }

    void throughPicture_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("single");  // through the float's own 7 digits
        QTest::addColumn<double>("double_"); // the same float read with 15 digits
        QTest::newRow("float below a half reads as the half") << false << 0.45 << "#,##0.#" << 0.5 << 0.4;
        QTest::newRow("plate capacitor in air") << false << 88.5 << "#,##0.#" << 88.5 << 88.5;
        QTest::newRow("grouped") << false << 12345.66 << "#,##0.#" << 12345.7 << 12345.7;
        QTest::newRow("en grouped") << true << 12345.66 << "#,##0.#" << 12345.7 << 12345.7;
        QTest::newRow("negative float below a half") << false << -0.45 << "#,##0.#" << -0.5 << -0.4;
        QTest::newRow("whole picture") << false << 2.5 << "#0.##" << 2.5 << 2.5;
    }
    void throughPicture()
    {
        QFETCH(bool, english);
        QFETCH(double, value);
        QFETCH(QString, picture);
        QFETCH(double, single);
        QFETCH(double, double_);
        RegionalSettings::use(english ? RegionalSettings::english() : RegionalSettings::italian());
        const Single v = toSingle(value);
        QCOMPARE(roundPattern(v, picture).value(), single);
        QCOMPARE(roundPattern(Real(v), picture).value(), double_);
    }

    void throughFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("single");
        QTest::newRow("float below a half") << 0.45 << 1 << 0.5;
        QTest::newRow("whole number") << 9920.6 << 0 << 9921.0;
        QTest::newRow("grouped") << 1234.5 << 0 << 1235.0;
    }
    void throughFixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, single);
        QCOMPARE(roundFixed(toSingle(value), decimals).value(), single);
    }
};

QTEST_APPLESS_MAIN(TestSingleRounding)
#include "tst_singlerounding.moc"
