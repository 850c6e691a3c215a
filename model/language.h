#pragma once

namespace kalvora::model {

/// The language of the whole run, chosen on the start screen: index 0 Spanish, 1 English.
enum class Language { Spanish = 0, English = 1 };

} // namespace kalvora::model
