#pragma once
// Messages of the command line quote the user's text as the model's messages do.

#include "model/printable.h"

namespace kalvora::cli {

using model::Printable;
using model::Quoted;

} // namespace kalvora::cli
