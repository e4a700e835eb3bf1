#pragma once
// The only place where text becomes a number and a number becomes text.
//
// Input and output use different separators on purpose: the user types "." as the decimal point
// whatever the regional settings (a comma ends the number), while results are written with the
// decimal and grouping separators of the regional settings (1234.5 reads 1.234,50 in Italy).

#include "real.h"

#include <QChar>
#include <QString>

#include <concepts>
#include <cstdint>

// The regional number settings the formatters write with; taken from the user's locale at start-up.
struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char(',');
    QChar groupSeparator = QLatin1Char('.');
    int groupSize = 3;
    bool leadingZero = true;
    int defaultDecimals = 2;

    static RegionalSettings italian();
    static RegionalSettings english();
    static RegionalSettings fromSystemLocale();

    static const RegionalSettings& current();
    static void use(const RegionalSettings& settings);
};

// Reading.
Real readNumber(const QString& text);       // what the user typed: "." decimal point, stops at the first misfit
Real readLocaleNumber(const QString& text); // a text written by formatFixed or formatPattern; else a conversion fault

// Writing. n is the number of decimals, -1 for the regional default. Integers are written exactly
// (the integer forms are templates so that a double never slips into them by conversion).
QString formatFixed(Real v, int n);
QString formatFixed(Single v, int n);
QString formatFixedInteger(std::int64_t v, int n);
template <std::integral I> QString formatFixed(I v, int n) { return formatFixedInteger(std::int64_t(v), n); }

QString formatPattern(Real v, const QString& picture);
QString formatPattern(Single v, const QString& picture);
template <std::integral I> QString formatPattern(I v, const QString& picture) { return formatPattern(Real(double(v)), picture); }

QString formatGeneral(Real v);
QString formatGeneral(Single v);
QString formatGeneralInteger(std::int64_t v);
template <std::integral I> QString formatGeneral(I v) { return formatGeneralInteger(std::int64_t(v)); }

// The rounding idiom: format a value, read the text back.
Real roundFixed(Real v, int n);                       // readLocaleNumber(formatFixed(v, n))
Real roundPattern(Real v, const QString& picture);    // readLocaleNumber(formatPattern(v, picture))
// The same for a value held in single precision: the text has its 7 significant digits, so 0.45
// stored as a float (0.449999988...) rounds to 0.5 as the user reads it. Store the result in a
// Single to keep it in single precision.
Real roundFixed(Single v, int n);
Real roundPattern(Single v, const QString& picture);

// True when a text shows a non-finite number in any spelling (nan, inf, 1.#INF and the like).
bool looksNonFinite(const QString& text);
