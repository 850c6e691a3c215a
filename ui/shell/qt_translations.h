#pragma once
// The toolkit's own texts (message-box buttons, file and print dialogs) in the language of the
// run: Qt's Spanish catalogue while Spanish is chosen, Qt's built-in English otherwise.

#include "model/language.h"

namespace kalvora::ui {

/// Installs or removes Qt's Spanish catalogue for the whole application. False when Spanish is
/// asked for and the catalogue is not installed (the toolkit then speaks English).
bool useQtTranslations(model::Language language);

} // namespace kalvora::ui
