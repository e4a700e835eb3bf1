// Reading and writing numbers: the examples and edge cases users meet in every window.

#include "common/numbers.h"

#include <QTest>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void init() { RegionalSettings::use(RegionalSettings::italian()); }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("lone comma") << "," << 0.0;
        QTest::newRow("lone full stop") << "." << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("comma ends the number") << "3,5" << 3.0;
        QTest::newRow("grouping is not read") << "1.234,5" << 1.234;
        QTest::newRow("unit after the number") << "12.5 mm" << 12.5;
        QTest::newRow("unit glued to the number") << "12.5mm" << 12.5;
        QTest::newRow("blanks around") << " 7.05 " << 7.05;
        QTest::newRow("blank inside") << "1 2.5" << 12.5;
        QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("minus leading point") << "-.5" << -0.5;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("exponent e") << "1e3" << 1000.0;
        QTest::newRow("exponent D") << "1D3" << 1000.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "2E" << 2.0;
        QTest::newRow("exponent sign without digits") << "2E-" << 2.0;
        QTest::newRow("hexadecimal") << "&HFF" << 255.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("hexadecimal four digits") << "&HFFFF" << 65535.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("largest finite") << "1e308" << 1e308;
        QTest::newRow("tiny") << "1e-308" << 1e-308;
        QTest::newRow("nineteen nines") << "9999999999999999999" << 1e19;
        QTest::newRow("underflow to zero") << "1e-400" << 0.0;
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::readNumber(text).value(), value);
    }

    void readNumberOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("exponent") << "1e309";
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
    }
    void readNumberOverflow()
    {
        QFETCH(QString, text);
        try {
            ::readNumber(text);
            QFAIL("no fault");
        } catch (const ArithmeticFault& f) {
            QCOMPARE(f.kind(), FaultKind::Overflow);
        }
    }

    void readLocaleNumber_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("it grouped") << false << "1.234,50" << 1234.5;
        QTest::newRow("it trailing separator") << false << "5," << 5.0;
        QTest::newRow("it negative") << false << "-0,25" << -0.25;
        QTest::newRow("it blanks around") << false << " 12 " << 12.0;
        QTest::newRow("it two groups") << false << "1.000.000," << 1e6;
        QTest::newRow("en grouped") << true << "1,234.50" << 1234.5;
        QTest::newRow("en trailing separator") << true << "5." << 5.0;
    }
    void readLocaleNumber()
    {
        QFETCH(bool, english);
        QFETCH(QString, text);
        QFETCH(double, value);
        RegionalSettings::use(english ? RegionalSettings::english() : RegionalSettings::italian());
        QCOMPARE(::readLocaleNumber(text).value(), value);
    }

    void readLocaleNumberFault_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << " ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("minus alone") << "-";
        QTest::newRow("two decimal separators") << "1,2,3";
    }
    void readLocaleNumberFault()
    {
        QFETCH(QString, text);
        try {
            ::readLocaleNumber(text);
            QFAIL("no fault");
        } catch (const ArithmeticFault& f) {
            QCOMPARE(f.kind(), FaultKind::Conversion);
        }
    }

    void formatFixed_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("grouped two decimals") << false << 1234.5 << 2 << "1.234,50";
        QTest::newRow("leading zero") << false << 0.5 << 3 << "0,500";
        QTest::newRow("no decimals grouped") << false << 1234567.8 << 0 << "1.234.568";
        QTest::newRow("regional default") << false << 3.14159 << -1 << "3,14";
        QTest::newRow("half away 2.675") << false << 2.675 << 2 << "2,68";
        QTest::newRow("half away 0.125") << false << 0.125 << 2 << "0,13";
        QTest::newRow("half away 2.5") << false << 2.5 << 0 << "3";
        QTest::newRow("half away -2.5") << false << -2.5 << 0 << "-3";
        QTest::newRow("negative") << false << -1234.567 << 1 << "-1.234,6";
        QTest::newRow("zero") << false << 0.0 << 2 << "0,00";
        QTest::newRow("rounds up a group") << false << 999.9999 << 2 << "1.000,00";
        QTest::newRow("six decimals") << false << 0.0000125 << 6 << "0,000013";
        QTest::newRow("four decimals") << false << 316.227766 << 4 << "316,2278";
        QTest::newRow("huge") << false << 1e20 << 0 << "100.000.000.000.000.000.000";
        QTest::newRow("resonance frequency") << false << 5032.922257 << 3 << "5.032,922";
        QTest::newRow("en grouped") << true << 1234.5 << 2 << "1,234.50";
    }
    void formatFixed()
    {
        QFETCH(bool, english);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        RegionalSettings::use(english ? RegionalSettings::english() : RegionalSettings::italian());
        QCOMPARE(::formatFixed(Real(value), decimals), text);
    }

    void formatFixedSingleAndInteger()
    {
        // A single-precision value is taken with 7 significant digits: 316.22757 stays 316,23.
        QCOMPARE(::formatFixed(toSingle(316.2275740), -1), QStringLiteral("316,23"));
        QCOMPARE(::formatFixed(toSingle(0.125), 2), QStringLiteral("0,13"));
        QCOMPARE(::formatFixed(12345, 2), QStringLiteral("12.345,00"));
        QCOMPARE(::formatFixed(std::int16_t(-5), 0), QStringLiteral("-5"));
    }

    void formatPattern_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole keeps separator") << false << 5.0 << "#,##0.##" << "5,";
        QTest::newRow("grouped one decimal") << false << 1234.5 << "#,##0.##" << "1.234,5";
        QTest::newRow("tiny rounds to zero") << false << 0.004 << "#0.##" << "0,";
        QTest::newRow("three decimals") << false << 12.3456 << "##0.###" << "12,346";
        QTest::newRow("no point grouped") << false << 1234567.0 << "###,###" << "1.234.567";
        QTest::newRow("zero without 0 is empty") << false << 0.0 << "###,###" << "";
        QTest::newRow("rounds to zero empty") << false << 0.4 << "####,###" << "";
        QTest::newRow("trailing blank") << false << 1234.0 << "####,### " << "1.234 ";
        QTest::newRow("zero is a blank") << false << 0.0 << "####,### " << " ";
        QTest::newRow("ohm example") << false << 70.7106781 << "#,##0.###" << "70,711";
        QTest::newRow("million") << false << 1000000.0 << "#,##0.###" << "1.000.000,";
        QTest::newRow("one decimal") << false << 2.25 << "#0.#" << "2,3";
        QTest::newRow("four decimals") << false << 3.14159265 << "#0.####" << "3,1416";
        QTest::newRow("two digit picture") << false << 12.0 << "##0.#" << "12,";
        QTest::newRow("grouped four") << false << 12345.67891 << "#,##0.####" << "12.345,6789";
        QTest::newRow("grouped five") << false << 0.123456 << "#,##0.#####" << "0,12346";
        QTest::newRow("wide grouped two") << false << 98765.432 << "##,##0.##" << "98.765,43";
        QTest::newRow("wide grouped three") << false << 0.5 << "##,##0.###" << "0,5";
        QTest::newRow("wide grouped five") << false << 1.0 << "##,##0.#####" << "1,";
        QTest::newRow("six wide one") << false << 4321.06 << "###,##0.#" << "4.321,1";
        QTest::newRow("six wide three") << false << 4321.0625 << "###,##0.###" << "4.321,063";
        QTest::newRow("ungrouped two") << false << 4321.0 << "##0.##" << "4321,";
        QTest::newRow("ungrouped four") << false << 0.00005 << "##0.####" << "0,0001";
        QTest::newRow("three decimals grouped") << false << 1125.5319 << "#,##0.###" << "1.125,532";
        QTest::newRow("one decimal grouped") << false << 1999.96 << "#,##0.#" << "2.000,";
        QTest::newRow("negative") << false << -24.0 << "#,##0.###" << "-24,";
        QTest::newRow("en whole") << true << 5.0 << "#,##0.##" << "5.";
        QTest::newRow("en grouped") << true << 1234.5 << "#,##0.##" << "1,234.5";
    }
    void formatPattern()
    {
        QFETCH(bool, english);
        QFETCH(double, value);
        QFETCH(QString, picture);
        QFETCH(QString, text);
        RegionalSettings::use(english ? RegionalSettings::english() : RegionalSettings::italian());
        QCOMPARE(::formatPattern(Real(value), picture), text);
    }

    void formatGeneral_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << false << "0,5";
        QTest::newRow("third") << 1.0 / 3.0 << false << "0,333333333333333";
        QTest::newRow("third single") << 1.0 / 3.0 << true << "0,3333333";
        QTest::newRow("whole") << 2500.0 << false << "2500";
        QTest::newRow("small switches to E") << 0.00001 << false << "1E-05";
        QTest::newRow("0.0001 stays") << 0.0001 << false << "0,0001";
        QTest::newRow("0.00009 E form") << 0.00009 << false << "9E-05";
        QTest::newRow("1E+15") << 1e15 << false << "1E+15";
        QTest::newRow("below 1E+15") << 999999999999999.0 << false << "999999999999999";
        QTest::newRow("negative") << -12.75 << false << "-12,75";
        QTest::newRow("zero") << 0.0 << false << "0";
        QTest::newRow("E with decimals") << 1.5e20 << false << "1,5E+20";
        QTest::newRow("three digit exponent") << 1e-300 << false << "1E-300";
        QTest::newRow("single 7 digits") << 1234567.0 << true << "1234567";
        QTest::newRow("single E form") << 12345678.0 << true << "1,234568E+07";
        QTest::newRow("single rounded") << 9.54 << true << "9,54";
        QTest::newRow("dBuV example") << 117.0 << false << "117";
    }
    void formatGeneral()
    {
        QFETCH(double, value);
        QFETCH(bool, single);
        QFETCH(QString, text);
        QCOMPARE(single ? ::formatGeneral(toSingle(value)) : ::formatGeneral(Real(value)), text);
    }

    void formatGeneralInteger()
    {
        QCOMPARE(::formatGeneral(1234567890123LL), QStringLiteral("1234567890123"));
        QCOMPARE(::formatGeneral(std::int16_t(-32768)), QStringLiteral("-32768"));
    }

    void roundingIdiom_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("half away") << false << 2.675 << 2 << 2.68;
        QTest::newRow("grouped text") << false << 12345.678 << 1 << 12345.7;
        QTest::newRow("negative") << false << -0.125 << 2 << -0.13;
        QTest::newRow("en grouped text") << true << 12345.678 << 1 << 12345.7;
    }
    void roundingIdiom()
    {
        QFETCH(bool, english);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        RegionalSettings::use(english ? RegionalSettings::english() : RegionalSettings::italian());
        QCOMPARE(roundFixed(Real(value), decimals).value(), rounded);
    }

    void roundingThroughPicture()
    {
        QCOMPARE(roundPattern(Real(50.118723), "#,##0.##").value(), 50.12);
        QCOMPARE(roundPattern(Real(1000.0), "#,##0.##").value(), 1000.0);
    }

    void nonFiniteSpellings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("nonFinite");
        QTest::newRow("nan") << "nan" << true;
        QTest::newRow("inf with sign") << "-inf" << true;
        QTest::newRow("windows spelling") << "1,#INF" << true;
        QTest::newRow("indeterminate") << "-1,#IND" << true;
        QTest::newRow("infinity sign") << "∞" << true;
        QTest::newRow("info button") << "I N F O" << false;
        QTest::newRow("information") << "Info condensatore" << false;
        QTest::newRow("number") << "1.234,5" << false;
    }
    void nonFiniteSpellings()
    {
        QFETCH(QString, text);
        QFETCH(bool, nonFinite);
        QCOMPARE(looksNonFinite(text), nonFinite);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
