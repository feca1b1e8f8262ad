// printf formatting of the report's lines, with the digits of each
// floating-point conversion taken from the standard library's exact
// fixed-point conversion rather than printf's general one.
#pragma once

#include <cstdarg>
#include <cstddef>

// Formats like vsnprintf into out (NUL-terminated) and returns the length,
// for formats made only of literal text and the conversions %d, %s, %% and
// %f / %.Nf (one precision digit). Returns -1 when the format holds
// anything else or the text would not fit; the caller then formats with
// the C library instead.
int formatReportLine(char* out, std::size_t size, const char* format, va_list args);

// Writes value with the given number of decimals exactly as printf's "%.*f"
// does (rounded from the exact binary value, ties to even; "nan", "inf"
// with their signs); returns the length written (no NUL), or -1 if it does
// not fit. Provided by one of two files, chosen when the build is
// configured: the standard library's std::to_chars where the toolchain has
// its floating-point overloads, the C library's snprintf where it has not.
int formatFixed(char* out, std::size_t size, double value, int decimals);
