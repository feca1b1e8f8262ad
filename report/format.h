// printf formatting of the report's conversions without the C library's
// general floating-point conversion, which dominates the cost of a line.
#pragma once

#include <cstdarg>
#include <cstddef>

// Formats like vsnprintf into out (NUL-terminated) and returns the length,
// for formats made only of literal text and the conversions %d, %s, %% and
// %f / %.Nf (N <= 9). Returns -1 without consuming a guarantee of output
// when the format holds anything else or the text would not fit; the
// caller then formats with the C library instead. Digits are exactly those
// printf prints in the default rounding mode.
int formatReportLine(char* out, std::size_t size, const char* format, va_list args);

// Writes value with the given number of decimals as printf's "%.*f" does;
// returns the length written (no NUL), or -1 if it does not fit.
int formatFixed(char* out, std::size_t size, double value, int decimals);
