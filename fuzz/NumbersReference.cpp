#include "NumbersReference.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

namespace rundaro::fuzz {

namespace {

// Unsigned big integer in base 10^9, least significant limb first.
class BigDecimal
{
public:
    explicit BigDecimal(std::uint64_t v)
    {
        do {
            m_limbs.push_back(static_cast<std::uint32_t>(v % kBase));
            v /= kBase;
        } while (v != 0);
    }

    // factor below 2^32 keeps every product below 2^64.
    void multiply(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (auto &limb : m_limbs) {
            const std::uint64_t p = std::uint64_t(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(p % kBase);
            carry = p / kBase;
        }
        while (carry != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void multiplyByPower(std::uint32_t base, int power, std::uint32_t chunk, int chunkPower)
    {
        for (; power >= chunkPower; power -= chunkPower)
            multiply(chunk);
        for (; power > 0; --power)
            multiply(base);
    }

    std::string digits() const
    {
        std::string out = std::to_string(m_limbs.back());
        for (auto it = m_limbs.rbegin() + 1; it != m_limbs.rend(); ++it) {
            const std::string part = std::to_string(*it);
            out += std::string(9 - part.size(), '0') + part;
        }
        return out;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> m_limbs;
};

// Adds one to a string of decimal digits, growing it on a carry out.
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool allZero(const std::string &s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '0'; });
}

} // namespace

Extended Decode(const unsigned char bytes[10])
{
    Extended e;
    for (int i = 7; i >= 0; --i)
        e.mantissa = (e.mantissa << 8) | bytes[i];
    const unsigned top = bytes[8] | (unsigned(bytes[9]) << 8);
    e.negative = (top & 0x8000u) != 0;
    const int biased = static_cast<int>(top & 0x7fffu);
    const bool integerBit = (e.mantissa >> 63) != 0;

    if (biased == 0x7fff) {
        if (!integerBit)
            e.kind = Extended::Kind::NonCanonical;
        else
            e.kind = (e.mantissa << 1) == 0 ? Extended::Kind::Infinite : Extended::Kind::NaN;
        return e;
    }
    if (biased == 0) {
        if (integerBit)
            e.kind = Extended::Kind::NonCanonical; // pseudo-denormal
        else
            e.kind = e.mantissa == 0 ? Extended::Kind::Zero : Extended::Kind::Finite;
        e.exponent2 = 1 - 16383 - 63;
        return e;
    }
    e.kind = integerBit ? Extended::Kind::Finite : Extended::Kind::NonCanonical; // unnormal
    e.exponent2 = biased - 16383 - 63;
    return e;
}

std::string ExactDecimal(std::uint64_t mantissa, int exponent2, int &scale)
{
    scale = 0;
    if (mantissa == 0)
        return "0";
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exponent2 += zeros;
    BigDecimal n(mantissa);
    if (exponent2 >= 0) {
        n.multiplyByPower(2, exponent2, 1u << 31, 31);
    } else {
        // m / 2^k == m * 5^k / 10^k
        n.multiplyByPower(5, -exponent2, 1220703125u, 13); // 5^13
        scale = -exponent2;
    }
    return n.digits();
}

std::string ReferenceFormatFixed(const Extended &value, int decimals, char separator)
{
    decimals = std::clamp(decimals, 0, 18);
    switch (value.kind) {
    case Extended::Kind::NaN:
    case Extended::Kind::NonCanonical: return "NAN";
    case Extended::Kind::Infinite: return value.negative ? "-INF" : "INF";
    case Extended::Kind::Zero:
    case Extended::Kind::Finite: break;
    }

    int scale = 0;
    std::string sig = ExactDecimal(value.mantissa, value.exponent2, scale);
    int power = -scale; // |value| == sig * 10^power

    // 18 significant digits, halves to even.
    if (sig.size() > 18) {
        const std::string dropped = sig.substr(18);
        sig.resize(18);
        power += static_cast<int>(dropped.size());
        bool up;
        if (dropped[0] != '5')
            up = dropped[0] > '5';
        else if (!allZero(dropped.substr(1)))
            up = true;
        else
            up = (sig.back() - '0') % 2 == 1;
        if (up) {
            increment(sig);
            if (sig.size() > 18) {
                sig.pop_back();
                ++power;
            }
        }
    }

    const bool zero = allZero(sig);
    const int leading = static_cast<int>(sig.size()) - 1 + power;
    if (!zero && leading >= 18) {
        std::string padded = sig + std::string(18 - sig.size(), '0');
        std::string out = value.negative ? "-" : "";
        out += padded[0];
        out += separator;
        out += padded.substr(1);
        return out + "E+" + std::to_string(leading);
    }

    // The kept decimals as one integer, halves away from zero.
    std::string n;
    const int shift = power + decimals;
    if (shift >= 0) {
        n = sig + std::string(static_cast<size_t>(shift), '0');
    } else {
        const size_t drop = static_cast<size_t>(-shift);
        if (drop > sig.size()) {
            n = "0";
        } else {
            n = drop == sig.size() ? "0" : sig.substr(0, sig.size() - drop);
            if (sig[sig.size() - drop] >= '5')
                increment(n);
        }
    }
    const size_t firstNonZero = n.find_first_not_of('0');
    n = firstNonZero == std::string::npos ? "0" : n.substr(firstNonZero);
    if (n.size() < static_cast<size_t>(decimals) + 1)
        n.insert(0, static_cast<size_t>(decimals) + 1 - n.size(), '0');

    std::string out = (value.negative && !allZero(n)) ? "-" : "";
    out += n.substr(0, n.size() - static_cast<size_t>(decimals));
    if (decimals > 0) {
        out += separator;
        out += n.substr(n.size() - static_cast<size_t>(decimals));
    }
    return out;
}

std::int64_t ReferenceRound(const Extended &value)
{
    constexpr std::int64_t invalid = std::numeric_limits<std::int64_t>::min();
    if (value.kind == Extended::Kind::Zero)
        return 0;
    if (value.kind != Extended::Kind::Finite)
        return invalid;

    using U128 = unsigned __int128;
    U128 magnitude;
    if (value.exponent2 >= 0) {
        if (std::bit_width(value.mantissa) + value.exponent2 > 63)
            return invalid; // 2^63 or more
        magnitude = U128(value.mantissa) << value.exponent2;
    } else if (value.exponent2 < -64) {
        magnitude = 0; // below a half
    } else {
        const int shift = -value.exponent2;
        const U128 m = value.mantissa;
        magnitude = m >> shift;
        const U128 fraction = m & ((U128(1) << shift) - 1);
        const U128 half = U128(1) << (shift - 1);
        if (fraction > half || (fraction == half && (magnitude & 1) != 0))
            ++magnitude;
    }
    if (magnitude >= (U128(1) << 63))
        return invalid; // out of range, or exactly -2^63 which is the same value
    const auto m = static_cast<std::int64_t>(magnitude);
    return value.negative ? -m : m;
}

} // namespace rundaro::fuzz
