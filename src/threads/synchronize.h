// The main-thread queue: how other threads get a method run on the main
// (user-interface) thread and wait for it.
//
// The main thread is the process's initial thread (the one that runs static
// initialisation) until SetMainThread() names the calling thread instead; the
// application calls SetMainThread() at start. TThread::Synchronize called on
// the main thread runs the method at once; called on another thread it queues
// the method, calls the wake hook, and waits without limit until the main
// thread has run it, re-raising in the caller whatever the method raised.
//
// The main thread serves the queue by calling CheckSynchronize: from its event
// loop (the wake hook asks the loop to do so promptly) and from any wait of
// its own that must not block the threads it waits for. Requests run in the
// order they were queued, one at a time, so a method that itself serves the
// queue (for instance by freeing a component whose run is still going) never
// holds back requests queued behind it.
//
// All functions are thread-safe. The queue lives for the whole process.
#pragma once

#include <functional>
#include <thread>

// Makes the calling thread the main thread.
void SetMainThread();

// The current main thread, and whether the caller is it.
std::thread::id MainThreadID();
bool IsMainThread();

// Runs the requests queued so far, on the main thread only; on any other thread
// it does nothing and returns false. When the queue is empty it first waits up
// to TimeoutMs milliseconds (none for 0 or less) for a request, returning early
// also when a thread has finished. Returns whether any request ran.
bool CheckSynchronize(int TimeoutMs = 0);

// The hook called, on the queuing thread, each time a request is queued: the
// application sets it so that its event loop calls CheckSynchronize soon. An
// exception thrown by the hook is ignored. An empty hook clears it. The hook
// runs after its request is queued, so the request may already have been
// served, and a replaced hook may still be running on a thread for a moment:
// what it refers to must outlive it (the application sets one for its run).
void SetWakeMainThread(std::function<void()> Hook);

namespace varnesk::threads {

// Runs Method on the main thread: at once when called there, otherwise
// queued and waited for (see above).
void SynchronizeOnMainThread(const std::function<void()>& Method);

// Wakes a CheckSynchronize that is waiting, without a request: used when a
// thread finishes, for the main thread waiting on it.
void SignalSyncEvent();

}  // namespace varnesk::threads
