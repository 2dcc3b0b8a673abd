// FormatFixed and Round on any long double, checked against the big-integer
// model in NumbersReference and against the shape every fixed text must have.

#include "Numbers.h"
#include "NumbersReference.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using rundaro::Real;
using namespace rundaro::fuzz;

namespace {

[[noreturn]] void fail(const char *what, const unsigned char bytes[10], int decimals, const std::string &got,
                       const std::string &want)
{
    std::fprintf(stderr, "%s\n  value bytes:", what);
    for (int i = 9; i >= 0; --i)
        std::fprintf(stderr, " %02x", bytes[i]);
    std::fprintf(stderr, "\n  decimals: %d\n  got:  \"%s\"\n  want: \"%s\"\n", decimals, got.c_str(), want.c_str());
    std::abort();
}

// A fixed text: optional '-', digits without a needless leading zero, and
// exactly `decimals` digits after the separator; never a signed zero.
bool wellFormedFixed(const std::string &text, int decimals, char separator)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++i;
    const size_t intStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    const size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && text[intStart] == '0'))
        return false;
    if (decimals > 0) {
        if (i >= text.size() || text[i] != separator)
            return false;
        ++i;
        const size_t fracStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i - fracStart != static_cast<size_t>(decimals))
            return false;
    }
    if (i != text.size())
        return false;
    return !negative || text.find_first_of("123456789") != std::string::npos;
}

bool wellFormed(const std::string &text, int decimals, char separator)
{
    if (text == "NAN" || text == "INF" || text == "-INF")
        return true;
    if (text.find('E') != std::string::npos)
        return text.size() >= 22; // d,<17 digits>E+dd at the least
    return wellFormedFixed(text, decimals, separator);
}

Real powerOf(Real base, int n)
{
    Real p = 1;
    while (n-- > 0)
        p *= base;
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const int mode = in.ConsumeIntegralInRange<int>(0, 3);
    const int decimals = in.ConsumeIntegral<std::int8_t>();
    const char separator = in.ConsumeBool() ? ',' : '.';

    Real x = 0;
    switch (mode) {
    case 0:
    case 1: { // mode 1: any bit pattern; mode 0: a normal number between 2^-80 and 2^80
        unsigned char raw[10] = {};
        const auto bytes = in.ConsumeBytes<unsigned char>(10);
        if (!bytes.empty())
            std::memcpy(raw, bytes.data(), bytes.size());
        if (mode == 0) {
            const unsigned biased = 16383 - 80 + (raw[8] | (raw[9] & 0x7fu) << 8) % 161;
            raw[8] = static_cast<unsigned char>(biased & 0xff);
            raw[9] = static_cast<unsigned char>((raw[9] & 0x80) | biased >> 8);
            raw[7] |= 0x80;
        }
        std::memcpy(&x, raw, 10);
        break;
    }
    case 2: // thousandths and other decimal fractions, the program's usual values
        x = Real(in.ConsumeIntegral<std::int64_t>()) / powerOf(10, in.ConsumeIntegralInRange<int>(0, 20));
        break;
    case 3: // binary fractions, which hit exact halves
        x = Real(in.ConsumeIntegral<std::int64_t>()) / powerOf(2, in.ConsumeIntegralInRange<int>(0, 80));
        break;
    }

    unsigned char bytes[10];
    std::memcpy(bytes, &x, 10);
    const Extended value = Decode(bytes);

    const std::string text = rundaro::FormatFixed(x, decimals, separator);
    const int clamped = decimals < 0 ? 0 : decimals > 18 ? 18 : decimals;
    if (!wellFormed(text, clamped, separator))
        fail("FormatFixed: malformed text", bytes, decimals, text, "");
    const std::int64_t rounded = rundaro::Round(x);

    if (value.kind == Extended::Kind::NonCanonical)
        return 0; // no arithmetic makes these: only no crash and a sane text
    const std::string want = ReferenceFormatFixed(value, decimals, separator);
    if (text != want)
        fail("FormatFixed differs from the reference", bytes, decimals, text, want);
    const std::int64_t wantRounded = ReferenceRound(value);
    if (rounded != wantRounded)
        fail("Round differs from the reference", bytes, decimals, std::to_string(rounded), std::to_string(wantRounded));
    return 0;
}
