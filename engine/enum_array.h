#pragma once
// A fixed table whose entries are reached by an enumeration rather than by a bare number, so
// every access says which entry it means.

#include <array>
#include <cstddef>

namespace kalvora::engine {

/// Count entries in the order of Enum's values, which run from 0 without gaps.
template <class Enum, class T, std::size_t Count> struct EnumArray
{
    std::array<T, Count> entries {};

    constexpr const T &operator[](Enum key) const { return entries[static_cast<std::size_t>(key)]; }
    constexpr T &operator[](Enum key) { return entries[static_cast<std::size_t>(key)]; }
    constexpr auto begin() const { return entries.begin(); }
    constexpr auto end() const { return entries.end(); }
};

} // namespace kalvora::engine
