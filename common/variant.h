#pragma once
// An untyped working value: it holds a number or a text.
//
// Several calculators keep a result as the text a formatter wrote ("1,995") and compute with it
// later. Used in arithmetic or a comparison, such a text is read back with the regional
// separators; joined to other text it shows exactly what was written. A value never assigned is 0
// in arithmetic and empty when joined to text.

#include "real.h"

#include <QString>

class Variant {
public:
    Variant() = default;
    Variant(Real number) : kind_(Kind::Number), number_(number) {} // NOLINT
    Variant(Single number) : Variant(Real(number)) {}               // NOLINT
    Variant(const QString& text) : kind_(Kind::Text), text_(text) {} // NOLINT
    Variant(const char*) = delete; // say QString or Real, so the kind is never a surprise

    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isText() const { return kind_ == Kind::Text; }
    bool isNumber() const { return kind_ == Kind::Number; }

    // The value in arithmetic: a text is read back with readLocaleNumber (a conversion fault if it is
    // not a number), an empty value is 0.
    Real number() const;
    operator Real() const { return number(); } // NOLINT

    // The value joined to text: the text itself, a number in its general form, or nothing.
    QString text() const;

private:
    enum class Kind { Empty, Number, Text };
    Kind kind_ = Kind::Empty;
    Real number_;
    QString text_;
};
