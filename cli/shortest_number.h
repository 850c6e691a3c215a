#pragma once
// The shortest text that reads back to the same double, as std::to_chars(double) writes it, at
// about a third of its cost: a batch row writes some fifty of them.

namespace kalvora::cli {

/// The room WriteShortestNumber needs at to: its text takes at most 24 characters, but it moves
/// its digits in fixed blocks that may write scratch bytes beyond the text.
inline constexpr int kShortestRoom = 56;

/// Writes a finite value at to, byte for byte what std::to_chars(to, end, value) writes, and
/// returns the end of the text.
char *WriteShortestNumber(char *to, double value);

} // namespace kalvora::cli
