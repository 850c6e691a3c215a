#pragma once
// The texts of a double that a batch row writes some fifty times: the shortest that reads back to
// the same double, and a fixed number of decimals, each byte for byte as std::to_chars writes
// it, at about half its cost, from the shortest digits fmt's Dragonbox finds.

namespace kalvora::cli {

/// The room WriteShortestNumber needs at to: its text takes at most 24 characters, but it moves
/// its digits in fixed blocks that may write scratch bytes beyond the text.
inline constexpr int kShortestRoom = 56;

/// Writes a finite value at to, byte for byte what std::to_chars(to, end, value) writes, and
/// returns the end of the text.
char *WriteShortestNumber(char *to, double value);

/// The room WriteFixedDecimals needs: a finite double with 17 fixed decimals takes a sign, 309
/// digits, the point and the decimals.
inline constexpr int kFixedDecimalsRoom = 328;

/// Writes a finite value at to with 0 to 17 decimals, byte for byte what std::to_chars(to, end,
/// value, std::chars_format::fixed, decimals) writes, and returns the end of the text.
char *WriteFixedDecimals(char *to, double value, int decimals);

} // namespace kalvora::cli
