#pragma once
// The help documents by their fixed file names ("taire1.doc", …): the program's own page for
// each, in Spanish and English, and a document file of that name in the working folder when the
// user keeps one there. Only these fixed names are ever looked up.

#include "model/language.h"

#include <QString>
#include <string>

namespace kalvora::ui {

/// Whether the name is one of the help documents the program knows.
bool isHelpDocument(const std::string &fileName);

/// The resource of the program's own page for a document in a language
/// (":/help/en/taire1.html"); empty for a name that is not a help document.
QString helpPageResource(const std::string &fileName, model::Language language);

/// The absolute path of a document file of that name in the working folder; empty when there is
/// none or the name is not a help document.
QString helpDocumentFile(const std::string &fileName);

} // namespace kalvora::ui
