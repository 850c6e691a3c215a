#include "walk_results.h"

#include <algorithm>

namespace kalvora::ui::test {

namespace {

// The summary's range light of the first row opens the application ranges view.
constexpr OnwardDoor kDoors[] = {
    { WindowId::ResultsSummary, "rango_0", WindowId::RangesView, "ranges" },
};

} // namespace

std::span<const OnwardDoor> onwardDoors(WindowId from)
{
    const auto *first = std::find_if(std::begin(kDoors), std::end(kDoors),
        [from](const OnwardDoor &d) { return d.from == from; });
    const auto *last = std::find_if(
        first, std::end(kDoors), [from](const OnwardDoor &d) { return d.from != from; });
    return { first, last };
}

} // namespace kalvora::ui::test
