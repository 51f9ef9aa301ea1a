#include "LooseNumber.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Skips the digits from position at and tells how many there were.
int SkipDigits(const QString& text, qsizetype& at)
{
    const qsizetype start = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return int(at - start);
}

bool MatchesNumberGrammar(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
    int digits = SkipDigits(text, at);
    if (at < text.size() && text[at] == u'.') {
        ++at;
        digits += SkipDigits(text, at);
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
            ++at;
        if (SkipDigits(text, at) == 0)
            return false;
    }
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at == text.size();
}

// The decimal point is a point whatever the user's locale says.
double ParseInCLocale(const QByteArray& ascii)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(ascii.constData(), nullptr, c);
}

} // namespace

std::optional<double> ToNumber(const QString& text)
{
    if (!MatchesNumberGrammar(text))
        return std::nullopt;
    return ParseInCLocale(text.toLatin1());
}

double Int(double value) { return std::floor(value); }

double Mod(double dividend, double divisor)
{
    return std::fmod(std::nearbyint(dividend), std::nearbyint(divisor));
}
