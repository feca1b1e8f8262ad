// The report's own line formatting must print exactly what printf prints.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "report/format.h"

namespace {

std::string fast(const char* format, ...) {
    char buf[256];
    va_list args;
    va_start(args, format);
    const int n = formatReportLine(buf, sizeof buf, format, args);
    va_end(args);
    return n < 0 ? std::string("<fallback>") : std::string(buf, static_cast<std::size_t>(n));
}

std::string libc(const char* format, ...) {
    char buf[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return buf;
}

const char kLine[] = "Curvature extreme point---t is %f, point is (%.2f,%.2f)\n";

TEST(FormatReportLine, TheReportFormatsAsPrintf) {
    EXPECT_EQ(fast(kLine, 0.5, 300.0, 250.0), libc(kLine, 0.5, 300.0, 250.0));
    EXPECT_EQ(fast("mouse location:(%d %d)\n", 205, -298), "mouse location:(205 -298)\n");
    EXPECT_EQ(fast("mouse location:(%d %d)\n", INT32_MIN, INT32_MAX),
              libc("mouse location:(%d %d)\n", INT32_MIN, INT32_MAX));
    EXPECT_EQ(fast("\n\n"), "\n\n");
    EXPECT_EQ(fast("%s|%%|%.0f|%.9f", "x", 2.5, 0.1f), libc("%s|%%|%.0f|%.9f", "x", 2.5, 0.1f));
    // anything else is left to the C library
    EXPECT_EQ(fast("%5.2f", 1.0), "<fallback>");
    EXPECT_EQ(fast("%ld", 1L), "<fallback>");
    EXPECT_EQ(fast("%.f", 1.0), "<fallback>");
    EXPECT_EQ(fast("%"), "<fallback>");
}

TEST(FormatFixed, SpecialValuesAndTiesMatchPrintf) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const double cases[] = {
        0.0, -0.0, 1.0, -1.0, 0.125, 0.375, -0.625, 2.5, 0.0078125, 0.0234375,  // ties
        1e-7, -1e-7, 4.9999995e-7, 5e-7, 0.9999999403953552, 1.0000001192092896,
        1e-45, -1e-45, 4294967040.0, 4294967296.0, 1e30, -3.4028234663852886e38,
        inf, -inf, nan, -nan, 0.1, 1.0 / 3.0, 1e300};
    for (double v : cases) {
        for (int d : {0, 1, 2, 6, 9}) {
            char a[512];
            const int n = formatFixed(a, sizeof a, v, d);
            ASSERT_GE(n, 0);
            EXPECT_EQ(std::string(a, static_cast<std::size_t>(n)), libc("%.*f", d, v))
                << v << " with " << d << " decimals";
        }
    }
}

}  // namespace
