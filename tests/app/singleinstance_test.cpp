#include "app/singleinstance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/appname.h"
#include "app/errortext.h"

namespace {

TLockHandle Token(std::uintptr_t N) { return reinterpret_cast<TLockHandle>(N); }
const TLockHandle H1 = Token(0x11);
const TLockHandle H2 = Token(0x22);
// An attempt answering like a named mutex.
TLockAttempt A(TLockHandle Handle, bool AlreadyExists) { return {Handle, AlreadyExists, {}, {}}; }
const TLockAttempt Planted{nullptr, false, u"/s/Varnesk-0.lock", u"it is a symbolic link"};
constexpr std::u16string_view PlantedMessage = u"Varnesk cannot use its lock file /s/Varnesk-0.lock: it is a symbolic link";

std::string Label(TLockHandle Handle) {
  if (Handle == nullptr) return "null";
  if (Handle == H1) return "h1";
  if (Handle == H2) return "h2";
  return "other";
}

// Answers the scripted attempts in turn and logs every call, sleep and beep
// included, into one shared log so the order shows.
class TFakeLock final : public TProcessLock {
 public:
  TFakeLock(std::vector<TLockAttempt> Script, std::vector<std::string>& Log)
      : FScript(std::move(Script)), FLog(Log) {}

  TLockAttempt Create(std::u16string_view Name) override {
    FLog.push_back(Name == AppName ? "create Varnesk" : "create (other name)");
    if (FNext >= FScript.size()) return {};
    return FScript[FNext++];
  }
  void Close(TLockHandle Handle) override { FLog.push_back("close " + Label(Handle)); }

 private:
  std::vector<TLockAttempt> FScript;
  std::size_t FNext = 0;
  std::vector<std::string>& FLog;
};

struct TGuardCase {
  const char* Name;
  std::vector<TLockAttempt> Script;
  TInstanceGuard Outcome;
  std::vector<std::string> Calls;
};

TEST(AcquireSingleInstance, FollowsTheSequenceForEachAnswerOfTheLock) {
  const std::vector<TGuardCase> Cases = {
      {"free at once: handle kept, nothing else", {A(H1, false)}, TInstanceGuard::Acquired, {"create Varnesk"}},
      {"held, free on retry: first closed, second kept",
       {A(H1, true), A(H2, false)},
       TInstanceGuard::Acquired,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk"}},
      {"held twice: beep, then second closed",
       {A(H1, true), A(H2, true)},
       TInstanceGuard::AlreadyRunning,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk", "beep", "close h2"}},
      {"null, then free",
       {A(nullptr, false), A(H2, false)},
       TInstanceGuard::Acquired,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk"}},
      {"null twice",
       {A(nullptr, false), A(nullptr, false)},
       TInstanceGuard::AlreadyRunning,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk", "beep", "close null"}},
      {"null with already-exists, then free",
       {A(nullptr, true), A(H2, false)},
       TInstanceGuard::Acquired,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk"}},
      {"held, then null",
       {A(H1, true), A(nullptr, false)},
       TInstanceGuard::AlreadyRunning,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk", "beep", "close null"}},
      // An unusable lock is no running copy: no wait, no beep, a reason.
      {"unusable at once", {Planted}, TInstanceGuard::LockUnusable, {"create Varnesk", "close null"}},
      {"held, then unusable",
       {A(H1, true), Planted},
       TInstanceGuard::LockUnusable,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk", "close null"}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    std::vector<std::string> Log;
    TFakeLock Lock(Case.Script, Log);
    std::u16string Message;
    const TInstanceGuard Outcome = AcquireSingleInstance(
        Lock, [&Log](int Ms) { Log.push_back("sleep " + std::to_string(Ms)); }, [&Log] { Log.push_back("beep"); },
        Message);
    EXPECT_EQ(Outcome, Case.Outcome);
    EXPECT_EQ(Log, Case.Calls);
    EXPECT_EQ(Message, Outcome == TInstanceGuard::LockUnusable ? PlantedMessage : u"");
  }
}

TEST(AcquireSingleInstance, UnusableLockMessageAsTheErrorBoxShowsIt) {
  std::vector<std::string> Log;
  TFakeLock Lock({Planted}, Log);
  std::u16string Message;
  ASSERT_EQ(AcquireSingleInstance(Lock, nullptr, nullptr, Message), TInstanceGuard::LockUnusable);
  EXPECT_EQ(ErrorDisplayText(Message), std::u16string(PlantedMessage) + u".");
}

TEST(AcquireSingleInstance, SkipsEmptySleepAndBeep) {
  std::vector<std::string> Log;
  TFakeLock Lock({A(H1, true), A(H2, true)}, Log);
  std::u16string Message;
  EXPECT_EQ(AcquireSingleInstance(Lock, nullptr, nullptr, Message), TInstanceGuard::AlreadyRunning);
  EXPECT_EQ(Log, (std::vector<std::string>{"create Varnesk", "close h1", "create Varnesk", "close h2"}));
}

}  // namespace
