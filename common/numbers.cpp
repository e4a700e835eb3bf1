#include "numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// ---------------------------------------------------------------------------------------------
// Regional settings

RegionalSettings RegionalSettings::italian() { return RegionalSettings{}; }

RegionalSettings RegionalSettings::english()
{
    RegionalSettings s;
    s.decimalSeparator = QLatin1Char('.');
    s.groupSeparator = QLatin1Char(',');
    return s;
}

RegionalSettings RegionalSettings::fromSystemLocale()
{
    const QLocale locale = QLocale::system();
    RegionalSettings s;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    s.decimalSeparator = decimal.isEmpty() ? QLatin1Char('.') : decimal.at(0);
    s.groupSeparator = group.isEmpty() ? QLatin1Char(',') : group.at(0);
    if (s.groupSeparator == s.decimalSeparator)
        s.groupSeparator = s.decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return s;
}

namespace {
RegionalSettings& currentSettings()
{
    static RegionalSettings settings = RegionalSettings::fromSystemLocale();
    return settings;
}
} // namespace

const RegionalSettings& RegionalSettings::current() { return currentSettings(); }
void RegionalSettings::use(const RegionalSettings& settings) { currentSettings() = settings; }

// ---------------------------------------------------------------------------------------------
// Reading

namespace {
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

Real parsedOrOverflow(const std::string& number)
{
    errno = 0;
    const double v = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(v))
        raiseFault(FaultKind::Overflow);
    return Real(v);
}

// "&H1F" and "&O17": whole numbers in hexadecimal or octal, read up to the first other character.
Real readRadix(const QString& digits, int radix)
{
    double v = 0;
    for (const QChar c : digits) {
        int d = -1;
        if (isDigit(c))
            d = c.toLatin1() - '0';
        else if (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))
            d = c.toLower().toLatin1() - 'a' + 10;
        if (d < 0 || d >= radix)
            break;
        v = v * radix + d;
    }
    return checked(v);
}
} // namespace

Real readNumber(const QString& text)
{
    QString t;
    t.reserve(text.size());
    for (const QChar c : text)
        if (!isBlank(c))
            t.append(c);

    if (t.size() >= 2 && t.at(0) == QLatin1Char('&')) {
        const QChar kind = t.at(1).toUpper();
        if (kind == QLatin1Char('H'))
            return readRadix(t.mid(2), 16);
        if (kind == QLatin1Char('O'))
            return readRadix(t.mid(2), 8);
    }

    std::string number;
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        number += char(t.at(i++).toLatin1());
    int digits = 0;
    bool point = false;
    while (i < n) {
        const QChar c = t.at(i);
        if (isDigit(c)) {
            number += char(c.toLatin1());
            ++digits;
        } else if (c == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0)
        return Real(0.0);
    if (i < n && QStringLiteral("EeDd").contains(t.at(i))) {
        int j = i + 1;
        std::string exponent = "e";
        if (j < n && (t.at(j) == QLatin1Char('+') || t.at(j) == QLatin1Char('-')))
            exponent += char(t.at(j++).toLatin1());
        int expDigits = 0;
        while (j < n && isDigit(t.at(j))) {
            exponent += char(t.at(j++).toLatin1());
            ++expDigits;
        }
        if (expDigits > 0)
            number += exponent;
    }
    return parsedOrOverflow(number);
}

Real readLocaleNumber(const QString& text)
{
    const RegionalSettings& rs = RegionalSettings::current();
    const QString t = text.trimmed();
    std::string number;
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        number += char(t.at(i++).toLatin1());
    int digits = 0;
    bool decimal = false;
    for (; i < n; ++i) {
        const QChar c = t.at(i);
        if (isDigit(c)) {
            number += char(c.toLatin1());
            ++digits;
        } else if (c == rs.decimalSeparator && !decimal) {
            number += '.';
            decimal = true;
        } else if (c == rs.groupSeparator && !decimal) {
            continue;
        } else {
            raiseFault(FaultKind::Conversion);
        }
    }
    if (digits == 0)
        raiseFault(FaultKind::Conversion);
    return parsedOrOverflow(number);
}

// ---------------------------------------------------------------------------------------------
// Writing

namespace {
// A value as significant decimal digits: v = 0.d1d2d3... x 10^pointPos, digits without trailing zeros.
struct Decimal {
    bool negative = false;
    std::string digits; // empty for zero
    int pointPos = 0;
};

Decimal toDecimal(double v, int significant)
{
    Decimal d;
    d.negative = std::signbit(v) && v != 0.0;
    if (v == 0.0)
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(v));
    const std::string s(buf);
    const auto e = s.find('e');
    for (std::size_t k = 0; k < e; ++k)
        if (s[k] != '.')
            d.digits += s[k];
    d.pointPos = std::atoi(s.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// The value rounded half away from zero to `decimals` places, as whole digits and decimal digits.
struct Rounded {
    bool negative = false;
    std::string whole;    // "0" when the whole part is zero
    std::string fraction; // exactly `decimals` digits
};

Rounded roundDecimal(const Decimal& d, int decimals)
{
    Rounded r;
    r.negative = d.negative;
    // scaled = the value x 10^decimals, rounded to a whole number, as a digit string
    std::string scaled;
    const int keep = d.pointPos + decimals;
    const int len = int(d.digits.size());
    if (len == 0 || keep < 0) {
        scaled = "0";
    } else {
        scaled = d.digits.substr(0, std::size_t(std::min(keep, len)));
        if (keep > len)
            scaled.append(std::size_t(keep - len), '0');
        if (keep < len && d.digits[std::size_t(keep)] >= '5') {
            int k = int(scaled.size()) - 1;
            while (k >= 0 && scaled[std::size_t(k)] == '9')
                scaled[std::size_t(k--)] = '0';
            if (k < 0)
                scaled.insert(scaled.begin(), '1');
            else
                ++scaled[std::size_t(k)];
        }
        if (scaled.empty())
            scaled = "0";
    }
    if (int(scaled.size()) <= decimals)
        scaled.insert(0, std::size_t(decimals + 1 - int(scaled.size())), '0');
    r.whole = scaled.substr(0, scaled.size() - std::size_t(decimals));
    r.fraction = scaled.substr(scaled.size() - std::size_t(decimals));
    const auto firstNonZero = r.whole.find_first_not_of('0');
    r.whole = firstNonZero == std::string::npos ? "0" : r.whole.substr(firstNonZero);
    return r;
}

QString grouped(const std::string& whole, bool group)
{
    const RegionalSettings& rs = RegionalSettings::current();
    QString out;
    const int len = int(whole.size());
    for (int k = 0; k < len; ++k) {
        if (group && k > 0 && (len - k) % rs.groupSize == 0)
            out.append(rs.groupSeparator);
        out.append(QLatin1Char(whole[std::size_t(k)]));
    }
    return out;
}

QString fixedText(double v, int significant, int n)
{
    const RegionalSettings& rs = RegionalSettings::current();
    if (n < 0)
        n = rs.defaultDecimals;
    const Rounded r = roundDecimal(toDecimal(v, significant), n);
    QString out;
    if (r.negative)
        out.append(QLatin1Char('-'));
    out.append(r.whole == "0" && !rs.leadingZero && n > 0 ? QString() : grouped(r.whole, true));
    if (n > 0) {
        out.append(rs.decimalSeparator);
        out.append(QString::fromStdString(r.fraction));
    }
    return out;
}

// One of the picture strings: "#,##0.###", "###,###", "####,### " and their kin.
struct Picture {
    bool grouped = false;
    bool zeroBeforePoint = false;
    bool point = false;
    int maxDecimals = 0;
    int minDecimals = 0;
    QString suffix; // literal characters after the last placeholder
};

Picture parsePicture(const QString& picture)
{
    Picture p;
    int last = int(picture.size()) - 1;
    while (last >= 0 && !QStringLiteral("#0,.").contains(picture.at(last)))
        --last;
    p.suffix = picture.mid(last + 1);
    const QString body = picture.left(last + 1);
    const int dot = int(body.indexOf(QLatin1Char('.')));
    const QString whole = dot < 0 ? body : body.left(dot);
    p.point = dot >= 0;
    p.grouped = whole.contains(QLatin1Char(','));
    p.zeroBeforePoint = whole.contains(QLatin1Char('0'));
    if (p.point) {
        const QString frac = body.mid(dot + 1);
        p.maxDecimals = int(frac.count(QLatin1Char('#')) + frac.count(QLatin1Char('0')));
        p.minDecimals = int(frac.count(QLatin1Char('0')));
    }
    return p;
}

QString patternText(double v, int significant, const QString& picture)
{
    const RegionalSettings& rs = RegionalSettings::current();
    const Picture p = parsePicture(picture);
    const Rounded r = roundDecimal(toDecimal(v, significant), p.maxDecimals);
    std::string fraction = r.fraction;
    while (int(fraction.size()) > p.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    QString out;
    if (r.negative)
        out.append(QLatin1Char('-'));
    if (r.whole != "0" || p.zeroBeforePoint)
        out.append(grouped(r.whole, p.grouped));
    if (p.point) {
        out.append(rs.decimalSeparator);
        out.append(QString::fromStdString(fraction));
    }
    out.append(p.suffix);
    return out;
}

QString generalText(double v, int significant)
{
    const RegionalSettings& rs = RegionalSettings::current();
    const Decimal d = toDecimal(v, significant);
    if (d.digits.empty())
        return QStringLiteral("0");
    QString out;
    if (d.negative)
        out.append(QLatin1Char('-'));
    const int exponent = d.pointPos - 1; // power of ten of the first significant digit
    const QString digits = QString::fromStdString(d.digits);
    if (exponent >= significant || exponent < -4) {
        out.append(digits.at(0));
        if (digits.size() > 1) {
            out.append(rs.decimalSeparator);
            out.append(digits.mid(1));
        }
        out.append(QLatin1Char('E'));
        out.append(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'));
        const QString e = QString::number(std::abs(exponent));
        out.append(e.size() < 2 ? QStringLiteral("0") + e : e);
        return out;
    }
    if (exponent >= 0) {
        const int wholeDigits = exponent + 1;
        if (digits.size() <= wholeDigits) {
            out.append(digits);
            out.append(QString(wholeDigits - digits.size(), QLatin1Char('0')));
        } else {
            out.append(digits.left(wholeDigits));
            out.append(rs.decimalSeparator);
            out.append(digits.mid(wholeDigits));
        }
    } else {
        out.append(QLatin1Char('0'));
        out.append(rs.decimalSeparator);
        out.append(QString(-exponent - 1, QLatin1Char('0')));
        out.append(digits);
    }
    return out;
}

constexpr int doubleDigits = 15;
constexpr int singleDigits = 7;
} // namespace

QString formatFixed(Real v, int n) { return fixedText(checked(v.value()).value(), doubleDigits, n); }
QString formatFixed(Single v, int n) { return fixedText(double(v.raw()), singleDigits, n); }

QString formatFixedInteger(std::int64_t v, int n)
{
    const RegionalSettings& rs = RegionalSettings::current();
    if (n < 0)
        n = rs.defaultDecimals;
    const bool negative = v < 0;
    const std::string whole = negative ? std::to_string(v).substr(1) : std::to_string(v);
    QString out = negative ? QStringLiteral("-") : QString();
    out.append(grouped(whole, true));
    if (n > 0) {
        out.append(rs.decimalSeparator);
        out.append(QString(n, QLatin1Char('0')));
    }
    return out;
}

QString formatPattern(Real v, const QString& picture) { return patternText(checked(v.value()).value(), doubleDigits, picture); }
QString formatPattern(Single v, const QString& picture) { return patternText(double(v.raw()), singleDigits, picture); }

QString formatGeneral(Real v) { return generalText(checked(v.value()).value(), doubleDigits); }
QString formatGeneral(Single v) { return generalText(double(v.raw()), singleDigits); }
QString formatGeneralInteger(std::int64_t v) { return QString::fromStdString(std::to_string(v)); }

Real roundFixed(Real v, int n) { return readLocaleNumber(formatFixed(v, n)); }
Real roundPattern(Real v, const QString& picture) { return readLocaleNumber(formatPattern(v, picture)); }
Real roundFixed(Single v, int n) { return readLocaleNumber(formatFixed(v, n)); }
Real roundPattern(Single v, const QString& picture) { return readLocaleNumber(formatPattern(v, picture)); }

bool looksNonFinite(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("\\b(nan|inf|infinity)\\b|#IND|#QNAN|#SNAN|∞"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}
