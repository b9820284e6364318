// The number formats and conversions of the main program's windows (Format$, Str$, Val, CInt),
// as plain functions so they can be checked without widgets.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace shell::vb {

// The formats round the decimal digits with which the number prints (15 significant digits for a
// double, 7 for a single), halves away from zero, so a single that prints as 0.35 rounds up even
// though its binary value lies just below.

// "##0%" and "#0%": the fraction times 100, rounded to a whole number, with a percent sign: 0.956
// gives "96%", 1 gives "100%".
QString formatPercent(double fraction);
QString formatPercent(float fraction);
// "##0": rounded to a whole number, no thousands separator.
QString formatWhole(double value);
QString formatWhole(float value);
// "#0.0": one decimal place, at least one digit before the point.
QString formatOneDecimal(double value);
QString formatOneDecimal(float value);
// "00": at least two digits.
QString formatTwoDigits(int value);
// Str$(): the digits with a leading blank in the sign place of a number that is not negative.
QString str(std::int64_t value);
// Val(): the number at the start of the text; blanks inside it are skipped; empty or non-numeric
// text gives 0.
double val(const QString& text);
// CInt(): nearest integer with halves to the even neighbour; nothing when the result does not fit
// into 16 bits (where the original raises an overflow).
std::optional<std::int16_t> cint(double value);

} // namespace shell::vb
