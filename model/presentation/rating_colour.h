#pragma once
// The colour of a method rating, the one rule every window and the command line follow: 0 green,
// 1 orange, 2 red, in rising order of strain. Colour never carries a verdict alone; the windows
// say the verdict in words beside it.

#include <cstdint>

namespace kalvora::model {

struct Rgb
{
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kRatingGreen { 0, 128, 0 };
inline constexpr Rgb kRatingOrange { 255, 128, 0 };
inline constexpr Rgb kRatingRed { 255, 0, 0 };

/// The colour of rating 0, 1 or 2. A rating outside 0 to 2 is never written by the evaluation;
/// should one appear it is shown red, the colour that asks for a second look rather than the one
/// that reassures.
constexpr Rgb ratingColour(std::int16_t rating)
{
    switch (rating) {
    case 0:
        return kRatingGreen;
    case 1:
        return kRatingOrange;
    default:
        return kRatingRed;
    }
}

} // namespace kalvora::model
