#pragma once
// Rounding rules used by the calculators. Amounts are plain doubles of rand; nothing is
// rounded inside a calculation except where a tax rule says so, through these functions.

namespace kestrel {

/// Rounds to the nearest whole number; an exact half goes to the even neighbour
/// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Non-finite values are returned unchanged.
double roundHalfEven(double value);

/// Rounds to `decimals` decimal places (0 to 15). The decision is taken on the exact binary
/// value of `value`, so only values that are exactly half-way (0.125 to two places) go to the
/// even digit; this is the same rounding that the display formats apply.
double roundHalfEven(double value, int decimals);

/// The largest whole number not above `value` ("Int": Int(2.7) = 2, Int(-2.3) = -3).
double vbInt(double value);

/// floor2(x) = Int(x * 100) / 100: cuts an amount down to whole cents.
double floor2(double value);

/// Rounds half to even and clamps into the range of a 16-bit signed integer, the type
/// in which the system keeps ages and counts.
short toInt16(double value);

/// Rounds half to even and clamps into the range of a 32-bit signed integer.
int toInt32(double value);

/// The value as the system keeps a single-precision amount: rounded to the nearest float.
/// Values beyond the float range become the largest float of the same sign, never infinity.
float toSingle(double value);

}  // namespace kestrel
