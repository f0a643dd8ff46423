#include "app/singleinstance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/appname.h"

namespace {

TLockHandle Token(std::uintptr_t N) { return reinterpret_cast<TLockHandle>(N); }
const TLockHandle H1 = Token(0x11);
const TLockHandle H2 = Token(0x22);

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
  bool GoOn;
  std::vector<std::string> Calls;
};

TEST(AcquireSingleInstance, FollowsTheSequenceForEachAnswerOfTheLock) {
  const std::vector<TGuardCase> Cases = {
      {"free at once: handle kept, nothing else", {{H1, false}}, true, {"create Varnesk"}},
      {"held, free on retry: first closed, second kept",
       {{H1, true}, {H2, false}},
       true,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk"}},
      {"held twice: beep, then second closed",
       {{H1, true}, {H2, true}},
       false,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk", "beep", "close h2"}},
      {"null, then free",
       {{nullptr, false}, {H2, false}},
       true,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk"}},
      {"null twice",
       {{nullptr, false}, {nullptr, false}},
       false,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk", "beep", "close null"}},
      {"null with already-exists, then free",
       {{nullptr, true}, {H2, false}},
       true,
       {"create Varnesk", "close null", "sleep 2000", "create Varnesk"}},
      {"held, then null",
       {{H1, true}, {nullptr, false}},
       false,
       {"create Varnesk", "close h1", "sleep 2000", "create Varnesk", "beep", "close null"}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    std::vector<std::string> Log;
    TFakeLock Lock(Case.Script, Log);
    const bool GoOn = AcquireSingleInstance(
        Lock, [&Log](int Ms) { Log.push_back("sleep " + std::to_string(Ms)); }, [&Log] { Log.push_back("beep"); });
    EXPECT_EQ(GoOn, Case.GoOn);
    EXPECT_EQ(Log, Case.Calls);
  }
}

TEST(AcquireSingleInstance, SkipsEmptySleepAndBeep) {
  std::vector<std::string> Log;
  TFakeLock Lock({{H1, true}, {H2, true}}, Log);
  EXPECT_FALSE(AcquireSingleInstance(Lock, nullptr, nullptr));
  EXPECT_EQ(Log, (std::vector<std::string>{"create Varnesk", "close h1", "create Varnesk", "close h2"}));
}

}  // namespace
