#pragma once

#include "platform/AppError.h"
#include "platform/Platform.h"

// Runs an event handler; an error it raises ends only that handler and is shown in the
// error box, so the window stays usable.
template<typename Handler> void guarded(Platform& platform, Handler&& handler)
{
    try {
        handler();
    } catch (const AppError& error) {
        if (!error.alreadyShown())
            platform.showError(error.message());
    }
}

// A slot that runs one of the window's handlers inside guarded().
template<typename Window> auto guardedSlot(Platform& platform, Window* window, void (Window::*handler)())
{
    return [&platform, window, handler] { guarded(platform, [window, handler] { (window->*handler)(); }); };
}
