#include "report/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const std::uint64_t kPow10[] = {1ull,         10ull,         100ull,      1000ull,
                                10000ull,     100000ull,     1000000ull,  10000000ull,
                                100000000ull, 1000000000ull};

// Writes n in decimal, at least minDigits digits; returns the length.
int writeDecimal(char* out, std::uint64_t n, int minDigits) {
    char digits[24];
    int len = 0;
    do {
        digits[len++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0 || len < minDigits);
    for (int i = 0; i < len; ++i) {
        out[i] = digits[len - 1 - i];
    }
    return len;
}

// A float v = m * 2^e exactly (m < 2^24): round(|v| * 10^d) with ties to
// even, computed in 64-bit integers. Needs |v| < 2^32 and d <= 9, so the
// products stay below 2^64.
std::uint64_t scaledFloat(float v, int d) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFFu);
    const std::uint64_t m = (bits & 0x7FFFFFu) | (biased != 0 ? 0x800000u : 0u);
    const int e = (biased != 0 ? biased : 1) - 150;
    const std::uint64_t scaled = m * kPow10[d];
    if (e >= 0) {
        return scaled << e;
    }
    const int s = -e;
    if (s >= 64) {
        return 0;  // |v| * 10^d < 2^54 / 2^64: rounds to 0
    }
    std::uint64_t q = scaled >> s;
    const std::uint64_t rem = scaled & ((std::uint64_t{1} << s) - 1);
    const std::uint64_t half = std::uint64_t{1} << (s - 1);
    if (rem > half || (rem == half && (q & 1u) != 0)) {
        ++q;
    }
    return q;
}

}  // namespace

int formatFixed(char* out, std::size_t size, double value, int decimals) {
    const float f = static_cast<float>(value);
    const bool exactFloat = static_cast<double>(f) == value;  // false for NaN
    if (!exactFloat || std::fabs(f) >= 4294967296.0f || decimals < 0 || decimals > 9 ||
        size < 32) {
        const int n = std::snprintf(out, size, "%.*f", decimals, value);
        return n >= 0 && static_cast<std::size_t>(n) < size ? n : -1;
    }
    const std::uint64_t scaled = scaledFloat(f, decimals);
    int len = 0;
    if (std::signbit(f)) {
        out[len++] = '-';  // printf keeps the sign of -0 and of tiny negatives
    }
    len += writeDecimal(out + len, scaled / kPow10[decimals], 1);
    if (decimals > 0) {
        out[len++] = '.';
        len += writeDecimal(out + len, scaled % kPow10[decimals], decimals);
    }
    return len;
}

int formatReportLine(char* out, std::size_t size, const char* format, va_list args) {
    std::size_t len = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (size - len < 48) {
            return -1;  // room for the longest conversion handled here
        }
        if (*p != '%') {
            out[len++] = *p;
            continue;
        }
        ++p;
        int decimals = 6;
        const bool precision = *p == '.';
        if (precision) {
            ++p;
            if (*p < '0' || *p > '9') {
                return -1;
            }
            decimals = *p++ - '0';
        }
        int n = 0;
        switch (*p) {
            case 'f':
                n = formatFixed(out + len, size - len, va_arg(args, double), decimals);
                break;
            case 'd':
                if (precision) {
                    return -1;
                }
                {
                    const long long v = va_arg(args, int);
                    if (v < 0) {
                        out[len++] = '-';
                    }
                    n = writeDecimal(out + len, static_cast<std::uint64_t>(v < 0 ? -v : v), 1);
                }
                break;
            case 's': {
                if (precision) {
                    return -1;
                }
                const char* s = va_arg(args, const char*);
                const std::size_t sl = std::strlen(s);
                if (sl >= size - len) {
                    return -1;
                }
                std::memcpy(out + len, s, sl);
                n = static_cast<int>(sl);
                break;
            }
            case '%':
                if (precision) {
                    return -1;
                }
                out[len] = '%';
                n = 1;
                break;
            default:
                return -1;
        }
        if (n < 0) {
            return -1;
        }
        len += static_cast<std::size_t>(n);
    }
    out[len] = '\0';
    return static_cast<int>(len);
}
