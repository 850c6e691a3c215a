#include "field_value.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace kalvora::model {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool is(char c, char upper)
{
    return c == upper || c == upper - 'A' + 'a';
}

/// The text one significant character at a time: blanks, tabs and line feeds are invisible.
class Cursor
{
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {
        skipBlanks();
    }
    /// The current character, or '\0' past the end ('\0' never continues a number).
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

/// The normalised number handed to from_chars: on the stack for every ordinary text, on the
/// heap only for texts of more than kInline significant characters.
class Buffer
{
public:
    void push(char c)
    {
        if (m_size < kInline) {
            m_inline[m_size] = c;
        } else {
            if (m_size == kInline)
                m_spill.assign(m_inline.data(), kInline);
            m_spill.push_back(c);
        }
        ++m_size;
    }
    const char *begin() const { return m_size <= kInline ? m_inline.data() : m_spill.data(); }
    const char *end() const { return begin() + m_size; }
    bool empty() const { return m_size == 0; }

private:
    static constexpr std::size_t kInline = 64;
    std::array<char, kInline> m_inline {};
    std::string m_spill;
    std::size_t m_size = 0;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

/// &H and &O integers. Hexadecimal goes through from_chars (correctly rounded); octal is summed
/// digit by digit, exact up to 2^53. Either grows to +infinity rather than wrapping.
double radixInteger(Cursor &cursor, bool hexadecimal)
{
    if (!hexadecimal) {
        double value = 0;
        for (; isOctalDigit(cursor.peek()); cursor.advance())
            value = value * 8 + (cursor.peek() - '0');
        return value;
    }
    Buffer digits;
    for (; isHexDigit(cursor.peek()); cursor.advance())
        digits.push(cursor.peek());
    if (digits.empty())
        return 0;
    double value = 0;
    const auto [end, error]
        = std::from_chars(digits.begin(), digits.end(), value, std::chars_format::hex);
    if (error == std::errc::result_out_of_range)
        return kInfinity;
    return value;
}

/// Adds one decimal digit to a count that saturates far beyond any double's exponent.
void accumulate(long long &count, char digit)
{
    constexpr long long kSaturation = 1'000'000'000;
    if (count < kSaturation)
        count = count * 10 + (digit - '0');
}

/// Sign, digits with at most one point, optional E/D exponent. from_chars rounds correctly; when
/// it reports the value out of range, the decimal order of the number tells overflow (±infinity)
/// from underflow (0).
double decimal(Cursor &cursor)
{
    Buffer number;
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        if (negative)
            number.push('-');
        cursor.advance();
    }
    bool anyDigit = false, point = false, nonzeroSeen = false;
    long long integerDigits = 0, leadingFractionZeros = 0;
    for (;; cursor.advance()) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            anyDigit = true;
            if (c != '0' || nonzeroSeen) {
                if (!point)
                    ++integerDigits;
                nonzeroSeen = true;
            } else if (point) {
                ++leadingFractionZeros;
            }
        } else if (c != '.' || point) {
            break;
        }
        point = point || c == '.';
        number.push(c);
    }
    if (!anyDigit)
        return 0;

    long long exponent = 0;
    bool negativeExponent = false;
    if (is(cursor.peek(), 'E') || is(cursor.peek(), 'D')) {
        number.push('e');
        cursor.advance();
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            negativeExponent = cursor.peek() == '-';
            number.push(cursor.peek());
            cursor.advance();
        }
        for (; isDigit(cursor.peek()); cursor.advance()) {
            number.push(cursor.peek());
            accumulate(exponent, cursor.peek());
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.begin(), number.end(), value);
    if (error != std::errc::result_out_of_range)
        return value;
    const long long order = (integerDigits > 0 ? integerDigits : -leadingFractionZeros)
        + (negativeExponent ? -exponent : exponent);
    if (order > 0)
        return negative ? -kInfinity : kInfinity;
    return 0;
}

/// 10^0 … 10^22, each exactly a double.
constexpr double kPowersOfTen[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

} // namespace

std::optional<double> PlainNumber(std::string_view text)
{
    // The form, and on the way the significand's digits as a whole number w and the power of ten
    // q it is scaled by: the text spells w·10^q.
    constexpr std::uint64_t kExactLimit = std::uint64_t { 1 } << 53;
    constexpr int kMaxExactPower = 22; // 10^22 is the largest power of ten a double holds exactly
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::uint64_t w = 0;
    bool exact = true; // w holds every significant digit and stays below 2^53
    long long q = 0;
    std::size_t mantissa = 0;
    const auto significand = [&](bool afterPoint) {
        for (; i < text.size() && isDigit(text[i]); ++i, ++mantissa) {
            if (afterPoint)
                --q;
            if (w < kExactLimit)
                w = w * 10 + static_cast<std::uint64_t>(text[i] - '0');
            else
                exact = false;
        }
    };
    significand(false);
    if (i < text.size() && text[i] == '.') {
        ++i;
        significand(true);
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < text.size() && is(text[i], 'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        long long exponent = 0;
        const std::size_t start = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            accumulate(exponent, text[i]);
        if (i == start)
            return std::nullopt;
        q += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    // Clinger's fast path: w and 10^|q| are doubles exactly, so one correctly rounded product or
    // quotient is the double nearest to w·10^q, which is what from_chars returns.
    if (exact && w < kExactLimit && q >= -kMaxExactPower && q <= kMaxExactPower) {
        const double magnitude = q >= 0 ? static_cast<double>(w) * kPowersOfTen[q]
                                        : static_cast<double>(w) / kPowersOfTen[-q];
        return negative ? -magnitude : magnitude;
    }
    // Any other plain number has no blank to skip: from_chars reads it where it stands, as the
    // general rule would. A reading out of range takes the general rule, which tells overflow
    // from underflow.
    const char *const first = text.data() + (text.front() == '+' ? 1 : 0);
    const char *const last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last)
        return value;
    Cursor cursor(text);
    return decimal(cursor);
}

double FieldValue(std::string_view text)
{
    if (const std::optional<double> plain = PlainNumber(text))
        return *plain;
    Cursor cursor(text);
    if (cursor.peek() != '&')
        return decimal(cursor);
    cursor.advance();
    const char radix = cursor.peek();
    if (!is(radix, 'H') && !is(radix, 'O'))
        return 0;
    cursor.advance();
    return radixInteger(cursor, is(radix, 'H'));
}

} // namespace kalvora::model
