// The checked arithmetic of the calculators: faults instead of infinities, single precision,
// integer conversions and untyped values.

#include "common/numbers.h"
#include "common/real.h"
#include "common/variant.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(FaultKind)
Q_DECLARE_METATYPE(std::function<void()>)

class TestArithmetic : public QObject {
    Q_OBJECT

private slots:
    void init() { RegionalSettings::use(RegionalSettings::italian()); }

    void faults_data()
    {
        QTest::addColumn<std::function<void()>>("operation");
        QTest::addColumn<FaultKind>("kind");
        QTest::newRow("division by zero") << std::function<void()>([] { Real(1) / Real(0); }) << FaultKind::DivisionByZero;
        QTest::newRow("zero by zero") << std::function<void()>([] { Real(0) / Real(0); }) << FaultKind::DivisionByZero;
        QTest::newRow("product overflow") << std::function<void()>([] { Real(1e300) * Real(1e300); }) << FaultKind::Overflow;
        QTest::newRow("sum overflow") << std::function<void()>([] { Real(1.7e308) + Real(1.7e308); }) << FaultKind::Overflow;
        QTest::newRow("quotient overflow") << std::function<void()>([] { Real(1e300) / Real(1e-300); }) << FaultKind::Overflow;
        QTest::newRow("root of a negative") << std::function<void()>([] { sqrt(Real(-1)); }) << FaultKind::InvalidOperation;
        QTest::newRow("logarithm of zero") << std::function<void()>([] { log(Real(0)); }) << FaultKind::InvalidOperation;
        QTest::newRow("logarithm of a negative") << std::function<void()>([] { log(Real(-2)); }) << FaultKind::InvalidOperation;
        QTest::newRow("negative to a fraction") << std::function<void()>([] { pow(Real(-8), Real(1.0 / 3.0)); }) << FaultKind::InvalidOperation;
        QTest::newRow("zero to a negative power") << std::function<void()>([] { pow(Real(0), Real(-1)); }) << FaultKind::DivisionByZero;
        QTest::newRow("power overflow") << std::function<void()>([] { pow(Real(10), Real(400)); }) << FaultKind::Overflow;
        QTest::newRow("exp overflow") << std::function<void()>([] { exp(Real(1000)); }) << FaultKind::Overflow;
        QTest::newRow("integer16 above") << std::function<void()>([] { toInteger16(Real(32767.5)); }) << FaultKind::Overflow;
        QTest::newRow("integer16 below") << std::function<void()>([] { toInteger16(Real(-32769)); }) << FaultKind::Overflow;
        QTest::newRow("integer32 above") << std::function<void()>([] { toInteger32(Real(2147483648.0)); }) << FaultKind::Overflow;
        QTest::newRow("single overflow") << std::function<void()>([] { toSingle(Real(1e39)); }) << FaultKind::Overflow;
        QTest::newRow("single from a product") << std::function<void()>([] { Single s = Real(1e300) * Real(1e-260); (void)s; }) << FaultKind::Overflow;
        QTest::newRow("untyped text not a number") << std::function<void()>([] { Real(Variant(QStringLiteral("abc"))) * 2; }) << FaultKind::Conversion;
    }
    void faults()
    {
        QFETCH(std::function<void()>, operation);
        QFETCH(FaultKind, kind);
        try {
            operation();
            QFAIL("no fault");
        } catch (const ArithmeticFault& f) {
            QCOMPARE(f.kind(), kind);
        }
    }

    void ordinaryArithmetic()
    {
        QCOMPARE((Real(1e6) / (sqrt(Real(1000)) * 6.283184)).value(), 1e6 / (std::sqrt(1000.0) * 6.283184));
        QCOMPARE(pow(Real(-2), Real(3)).value(), -8.0);
        QCOMPARE(pow(Real(0), Real(0)).value(), 1.0);
        QCOMPARE(sqrt(Real(0)).value(), 0.0);
        QCOMPARE(log(Real(1)).value(), 0.0);
        Real x = 3;
        x += 2;
        x *= 4;
        QCOMPARE(x.value(), 20.0);
        QVERIFY(Real(2) < 3 && 3 > Real(2) && Real(2) == 2.0);
    }

    void integerRounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.5 to even") << 2.5 << 2;
        QTest::newRow("3.5 to even") << 3.5 << 4;
        QTest::newRow("-2.5 to even") << -2.5 << -2;
        QTest::newRow("2.6 up") << 2.6 << 3;
        QTest::newRow("lowest") << -32768.0 << -32768;
        QTest::newRow("highest") << 32767.4 << 32767;
    }
    void integerRounding()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(toInteger16(Real(value))), rounded);
        QCOMPARE(int(toInteger32(Real(value))), rounded);
    }

    void floorNumberGoesDown()
    {
        QCOMPARE(floorNumber(Real(-2.5)).value(), -3.0);
        QCOMPARE(floorNumber(Real(2.9)).value(), 2.0);
    }

    void singlePrecisionRoundsAtEveryStore()
    {
        // The reactance of the resonance window is held in single precision.
        const Single x = Real(10) * Real(5032.922257) * 0.00628318;
        QCOMPARE(double(x.raw()), double(float(10 * 5032.922257 * 0.00628318)));
        QCOMPARE(formatGeneral(x), QStringLiteral("316,2276"));
        const Real back = x;
        QCOMPARE(back.value(), double(x.raw()));
        // The largest float still fits.
        QCOMPARE(double(toSingle(Real(3.4028234e38)).raw()), double(3.4028234e38f));
    }

    void untypedValues()
    {
        Variant never;
        QCOMPARE(Real(never).value(), 0.0);
        QCOMPARE(never.text(), QString());

        Variant ratio = formatPattern(Real(1.99526231), "#,##0.###");
        QCOMPARE(ratio.text(), QStringLiteral("1,995"));
        QCOMPARE((ratio * 5).value(), 1.995 * 5);
        QVERIFY(ratio > 1.99);

        Variant whole = formatPattern(Real(1000), "#,##0.###");
        QCOMPARE(whole.text(), QStringLiteral("1.000,"));
        QCOMPARE(Real(whole).value(), 1000.0);

        RegionalSettings::use(RegionalSettings::english());
        Variant english = formatFixed(Real(1234.5), 2);
        QCOMPARE(english.text(), QStringLiteral("1,234.50"));
        QCOMPARE(Real(english).value(), 1234.5);

        Variant number = Real(0.5);
        QCOMPARE(number.text(), QStringLiteral("0.5"));
    }
};

QTEST_APPLESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
