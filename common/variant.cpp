#include "variant.h"

#include "numbers.h"

Real Variant::number() const
{
    switch (kind_) {
    case Kind::Empty: return Real(0.0);
    case Kind::Number: return number_;
    case Kind::Text: return readLocaleNumber(text_);
    }
    return Real(0.0);
}

QString Variant::text() const
{
    switch (kind_) {
    case Kind::Empty: return QString();
    case Kind::Number: return formatGeneral(number_);
    case Kind::Text: return text_;
    }
    return QString();
}
