// Connects the worker components to Qt's event loop: the UI thread becomes
// the main thread, a queued request wakes the loop, which then serves the
// queue, and update timers are Qt timers. Call once, after the application
// object exists and before any component is created.
#pragma once

namespace threadsupport {

void Install();

}  // namespace threadsupport
