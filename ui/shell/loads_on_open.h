#pragma once
// A window whose load does more than build controls: reading the model, evaluating, showing
// messages. The registry builds the window, records it as open, then calls load() before showing
// it, so a message box raised by the load belongs to a window the registry already knows (an
// exit question answered there, for instance, can close it).
//
// A result window derives from both QWidget and LoadsOnOpen; its constructor builds the controls
// from its caption table, load() sets its texts for the run's language and writes its values.

namespace kalvora::ui {

class LoadsOnOpen
{
public:
    virtual ~LoadsOnOpen() = default;
    virtual void load() = 0;

protected:
    LoadsOnOpen() = default;
    LoadsOnOpen(const LoadsOnOpen &) = default;
    LoadsOnOpen &operator=(const LoadsOnOpen &) = default;
};

} // namespace kalvora::ui
