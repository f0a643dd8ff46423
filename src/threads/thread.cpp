#include "threads/thread.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "threads/ethread.h"
#include "threads/synchronize.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <pthread.h>
#include <climits>
#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#endif
#endif

namespace {

thread_local TThread* CurrentThreadObject = nullptr;

const std::string CreationError = "Thread creation error: ";

#ifdef _WIN32
// The system's text for a Windows error code, in UTF-8, without the trailing
// line end and full stop.
std::string SystemMessage(DWORD Code) {
  wchar_t* Buffer = nullptr;
  const DWORD Length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, Code, 0, reinterpret_cast<LPWSTR>(&Buffer), 0, nullptr);
  std::wstring Wide(Buffer != nullptr ? Buffer : L"", Length);
  if (Buffer != nullptr) LocalFree(Buffer);
  while (!Wide.empty() && (Wide.back() <= L' ' || Wide.back() == L'.')) Wide.pop_back();
  if (Wide.empty()) return "System error " + std::to_string(Code);
  const int Size = WideCharToMultiByte(CP_UTF8, 0, Wide.data(), static_cast<int>(Wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string Text(static_cast<std::size_t>(Size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Wide.data(), static_cast<int>(Wide.size()), Text.data(), Size,
                      nullptr, nullptr);
  return Text;
}

// THREAD_PRIORITY_IDLE .. THREAD_PRIORITY_TIME_CRITICAL.
constexpr int WindowsPriority[] = {-15, -2, -1, 0, 1, 2, 15};
#elif defined(__linux__)
// How far each level lowers the starting nice value; idle goes to 19.
constexpr int NiceStep[] = {19, 8, 4, 0, 0, 0, 0};

int NiceFor(TThreadPriority Priority, int BaseNice) {
  return Priority == tpIdle ? 19 : std::min(BaseNice + NiceStep[Priority], 19);
}
#endif

}  // namespace

struct TThread::TSystemThread {
#ifdef _WIN32
  HANDLE Handle = nullptr;

  static DWORD WINAPI Entry(LPVOID Self) {
    static_cast<TThread*>(Self)->Run();
    return 0;
  }
#else
  pthread_t Handle{};
  // While the thread function runs: its kernel id and its starting nice value.
  long Tid = 0;
  int BaseNice = 0;

  static void* Entry(void* Self) {
    static_cast<TThread*>(Self)->Run();
    return nullptr;
  }
#endif
};

TThread::TThread(std::size_t StackSize) : FSystem(std::make_unique<TSystemThread>()) {
  // Held while the thread is created: the new thread's first step takes the
  // lock, so it sees the handle stored.
  std::lock_guard<std::mutex> Guard(FLock);
#ifdef _WIN32
  FSystem->Handle = CreateThread(nullptr, StackSize, &TSystemThread::Entry, this,
                                 StackSize != 0 ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0, nullptr);
  if (FSystem->Handle == nullptr) throw EThread(CreationError + SystemMessage(GetLastError()));
#else
  pthread_attr_t Attributes;
  int Error = pthread_attr_init(&Attributes);
  if (Error == 0 && StackSize != 0) {
    Error = pthread_attr_setstacksize(&Attributes,
                                      std::max<std::size_t>(StackSize, PTHREAD_STACK_MIN));
  }
  if (Error == 0) Error = pthread_create(&FSystem->Handle, &Attributes, &TSystemThread::Entry, this);
  pthread_attr_destroy(&Attributes);
  if (Error != 0) throw EThread(CreationError + std::system_category().message(Error));
#endif
}

TThread::~TThread() {
  if (CurrentThreadObject == this) {
    // Freeing itself at the end of its run: nobody joins it.
#ifdef _WIN32
    CloseHandle(FSystem->Handle);
#else
    pthread_detach(FSystem->Handle);
#endif
    return;
  }
  bool NeverStarted = false;
  {
    std::lock_guard<std::mutex> Guard(FLock);
    NeverStarted = !FStarted;
    FDestroying = NeverStarted;
    FChanged.notify_all();
  }
  if (!NeverStarted && !Finished()) {
    Terminate();
    Resume();
    WaitFor();
  }
#ifdef _WIN32
  WaitForSingleObject(FSystem->Handle, INFINITE);
  CloseHandle(FSystem->Handle);
#else
  pthread_join(FSystem->Handle, nullptr);
#endif
}

void TThread::Run() {
  CurrentThreadObject = this;
  {
    std::unique_lock<std::mutex> Lock(FLock);
#if defined(__linux__)
    FSystem->Tid = static_cast<long>(syscall(SYS_gettid));
    errno = 0;
    const int Nice = getpriority(PRIO_PROCESS, static_cast<id_t>(FSystem->Tid));
    FSystem->BaseNice = errno == 0 ? Nice : 0;
#endif
    ApplyPriorityLocked();
    FChanged.wait(Lock, [this] { return !FSuspended || FDestroying; });
    if (FDestroying) {
      CurrentThreadObject = nullptr;
      return;
    }
  }
  if (!Terminated()) {
    try {
      Execute();
    } catch (...) {
      std::lock_guard<std::mutex> Guard(FLock);
      FFatalException = std::current_exception();
    }
  }
  try {
    DoTerminate();
  } catch (...) {
    std::lock_guard<std::mutex> Guard(FLock);
    if (!FFatalException) FFatalException = std::current_exception();
  }
  bool FreeSelf = false;
  {
    std::lock_guard<std::mutex> Guard(FLock);
#if defined(__linux__)
    FSystem->Tid = 0;
#endif
    FFinished = true;
    FreeSelf = FFreeOnTerminate;
    FChanged.notify_all();
  }
  varnesk::threads::SignalSyncEvent();
  if (FreeSelf) delete this;
  CurrentThreadObject = nullptr;
}

void TThread::Resume() {
  // Notified under the lock: once released, the thread may run to its end
  // and free itself before this call returns.
  std::lock_guard<std::mutex> Guard(FLock);
  FSuspended = false;
  FStarted = true;
  FChanged.notify_all();
}

void TThread::Suspend() {
  std::lock_guard<std::mutex> Guard(FLock);
  FSuspended = true;
}

void TThread::Terminate() { FTerminated.store(true); }

bool TThread::Suspended() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FSuspended;
}

bool TThread::Finished() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FFinished;
}

bool TThread::CheckTerminated() {
  if (CurrentThreadObject == this) WaitWhileSuspended();
  return Terminated();
}

void TThread::WaitWhileSuspended() {
  std::unique_lock<std::mutex> Lock(FLock);
  FChanged.wait(Lock, [this] { return !FSuspended; });
}

void TThread::WaitFor() {
  if (CurrentThreadObject == this) throw EThread("Cannot call WaitFor on the thread itself");
  if (IsMainThread()) {
    // The end is signalled to the queue, so this sleeps until then; the
    // timeout only bounds a wake-up lost to another caller of the queue.
    while (!Finished()) CheckSynchronize(100);
    return;
  }
  std::unique_lock<std::mutex> Lock(FLock);
  FChanged.wait(Lock, [this] { return FFinished; });
}

TThreadPriority TThread::Priority() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FPriority;
}

void TThread::SetPriority(TThreadPriority Value) {
  if (Value < tpIdle || Value > tpTimeCritical) return;
  std::lock_guard<std::mutex> Guard(FLock);
  FPriority = Value;
  ApplyPriorityLocked();
}

void TThread::ApplyPriorityLocked() {
#ifdef _WIN32
  if (FSystem->Handle != nullptr) SetThreadPriority(FSystem->Handle, WindowsPriority[FPriority]);
#elif defined(__linux__)
  if (FSystem->Tid != 0) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(FSystem->Tid), NiceFor(FPriority, FSystem->BaseNice));
  }
#endif
}

bool TThread::FreeOnTerminate() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FFreeOnTerminate;
}

void TThread::SetFreeOnTerminate(bool Value) {
  std::lock_guard<std::mutex> Guard(FLock);
  FFreeOnTerminate = Value;
}

std::exception_ptr TThread::FatalException() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FFatalException;
}

TNotifyEvent TThread::OnTerminate() const {
  std::lock_guard<std::mutex> Guard(FLock);
  return FOnTerminate;
}

void TThread::SetOnTerminate(TNotifyEvent Value) {
  std::lock_guard<std::mutex> Guard(FLock);
  FOnTerminate = std::move(Value);
}

void TThread::Synchronize(const std::function<void()>& Method) { Synchronize(this, Method); }

void TThread::Synchronize(TThread* AThread, const std::function<void()>& Method) {
  if (!Method) return;
  if (AThread != nullptr && CurrentThreadObject == AThread) AThread->WaitWhileSuspended();
  varnesk::threads::SynchronizeOnMainThread(Method);
}

TThread* TThread::CurrentThread() { return CurrentThreadObject; }

void TThread::DoTerminate() {
  if (!OnTerminate()) return;
  // The handler is read again on the main thread: it may be replaced until
  // the request is served there.
  varnesk::threads::SynchronizeOnMainThread([this] {
    const TNotifyEvent Handler = OnTerminate();
    if (Handler) Handler(this);
  });
}
