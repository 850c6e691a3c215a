#include "loading.h"

#include "model/loading_rules.h"
#include "ui/shell/app_state.h"
#include "ui/shell/messages.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

bool loadInputs(QWidget *parent, const AppState &state, Windows &windows)
{
    const std::vector<std::string> refusals = model::RefusalTexts(state.input(), state.language());
    for (const std::string &text : refusals)
        showWarning(parent, QString::fromUtf8(model::kRefusalTitle), QString::fromStdString(text));
    if (!refusals.empty())
        return false;
    windows.open(WindowId::Hub);
    return true;
}

} // namespace kalvora::ui
