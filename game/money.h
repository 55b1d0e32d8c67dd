// Whole-dollar arithmetic. Money is a signed 32-bit count of dollars; no sum or product
// ever wraps: it stops at the 32-bit limits. The per-trip factors multiply as an
// extended-precision (64-bit significand) product truncated toward zero, computed
// exactly in integers so every compiler and CPU gives the same dollars.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

using Money = std::int32_t;

// The value clamped into the signed 32-bit range.
Money Saturate(std::int64_t value);
Money AddMoney(Money a, Money b);
Money SubMoney(Money a, Money b);
Money MulMoney(Money a, Money b);
// Moves all of `from` into `to` as far as `to` can hold it; what cannot be held stays in
// `from`, so no dollar vanishes at the 32-bit limits.
void MoveMoney(Money& from, Money& to);

// The factors that money and values are multiplied by.
enum class Factor {
  Interest,  // 1.05, the bank on every trip
  Debt,      // 1.08, Tony's debt on every trip
  Wear,      // 0.9, a car's and a gun's value on every trip
  Mugging,   // 0.8, what a mugger leaves of the cash
};

// value × factor, the factor held as its nearest 64-bit-significand value, the product
// rounded to a 64-bit significand (nearest, ties to even) and then truncated toward zero.
Money ScaleTruncate(Money value, Factor factor);

// A whole number as the player types it: optional leading blanks, an optional sign and
// decimal digits, within the signed 32-bit range.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// What an integer box reads: its text as a number, or 0 when the text is not one.
std::int32_t ReadAmount(std::string_view text);

// An integer box's text after its up or down arrow: the number it reads, moved by delta.
std::string StepAmount(std::string_view text, int delta);

// The plain decimal text of a number: digits, a leading "-" when negative, no separators.
std::string ToText(std::int64_t value);

}  // namespace quillmere
