#include "threads/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include "threadtestsupport.h"
#include "threads/ethread.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

using threadtest::ServeUntil;
using threadtest::TGate;

// Runs Body as its Execute; Gone (when given) opens when the object is freed.
class TTestThread : public TThread {
 public:
  explicit TTestThread(std::function<void(TTestThread&)> ABody, TGate* AGone = nullptr,
                       std::size_t StackSize = 0)
      : TThread(StackSize), FBody(std::move(ABody)), FGone(AGone) {}
  ~TTestThread() override {
    if (FGone != nullptr) FGone->Open();
  }

  std::atomic<bool> Executed{false};

 protected:
  void Execute() override {
    Executed = true;
    if (FBody) FBody(*this);
  }

 private:
  std::function<void(TTestThread&)> FBody;
  TGate* FGone = nullptr;
};

std::string MessageOf(const std::exception_ptr& Error) {
  if (!Error) return "";
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& E) {
    return E.what();
  }
}

TEST(Thread, CreatedSuspendedAndStartedByResume) {
  TGate Ran;
  TTestThread Thread([&](TTestThread&) { Ran.Open(); });
  EXPECT_TRUE(Thread.Suspended());
  EXPECT_FALSE(Thread.Finished());
  Thread.Resume();
  ASSERT_TRUE(Ran.Wait());
  Thread.WaitFor();
  EXPECT_TRUE(Thread.Finished());
}

TEST(Thread, FreedBeforeItEverRanSkipsExecuteAndEnd) {
  bool Ended = false;
  auto* Thread = new TTestThread(nullptr);
  Thread->SetOnTerminate([&](TObject*) { Ended = true; });
  delete Thread;
  EXPECT_FALSE(CheckSynchronize(0));
  EXPECT_FALSE(Ended);
}

TEST(Thread, TerminatedBeforeItFirstRunsSkipsExecuteButEnds) {
  TTestThread Thread(nullptr);
  TObject* Sender = nullptr;
  std::thread::id EndedOn;
  Thread.SetOnTerminate([&](TObject* S) {
    Sender = S;
    EndedOn = std::this_thread::get_id();
  });
  Thread.Terminate();
  Thread.Resume();
  Thread.WaitFor();
  EXPECT_FALSE(Thread.Executed.load());
  EXPECT_EQ(Sender, &Thread);
  EXPECT_EQ(EndedOn, std::this_thread::get_id());  // the main thread
}

TEST(Thread, ExceptionsOfTheRunAreKept) {
  struct TCase {
    const char* Name;
    const char* ExecuteRaises;    // null: Execute returns normally
    const char* TerminateRaises;  // null: OnTerminate returns normally
    const char* Kept;
  };
  const TCase Cases[] = {
      {"no error", nullptr, nullptr, ""},
      {"Execute raises", "from Execute", nullptr, "from Execute"},
      {"OnTerminate raises", nullptr, "from OnTerminate", "from OnTerminate"},
      {"both raise: the first is kept", "from Execute", "from OnTerminate", "from Execute"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    bool Ended = false;
    TTestThread Thread([&](TTestThread&) {
      if (Case.ExecuteRaises != nullptr) throw std::runtime_error(Case.ExecuteRaises);
    });
    Thread.SetOnTerminate([&](TObject*) {
      Ended = true;
      if (Case.TerminateRaises != nullptr) throw std::runtime_error(Case.TerminateRaises);
    });
    Thread.Resume();
    Thread.WaitFor();
    EXPECT_TRUE(Ended);
    EXPECT_EQ(MessageOf(Thread.FatalException()), Case.Kept);
  }
}

TEST(Thread, FreeOnTerminateFreesItselfAfterItsEnd) {
  TGate Gone;
  bool Ended = false;
  auto* Thread = new TTestThread(nullptr, &Gone);
  Thread->SetFreeOnTerminate(true);
  Thread->SetOnTerminate([&](TObject*) {
    EXPECT_FALSE(Gone.IsOpen());  // still valid in its end handling
    Ended = true;
  });
  Thread->Resume();
  ASSERT_TRUE(ServeUntil([&] { return Gone.IsOpen(); }));
  EXPECT_TRUE(Ended);
}

TEST(Thread, SuspensionTakesEffectAtTheNextSuspensionPoint) {
  TGate Started;
  TGate Proceed;
  std::atomic<bool> PastCheck{false};
  std::atomic<bool> SawTerminated{false};
  TTestThread Thread([&](TTestThread& Self) {
    Started.Open();
    Proceed.Wait();
    SawTerminated = Self.CheckTerminated();
    PastCheck = true;
  });
  Thread.Resume();
  ASSERT_TRUE(Started.Wait());
  Thread.Suspend();
  EXPECT_TRUE(Thread.Suspended());
  Proceed.Open();
  // Terminate alone does not release a suspended thread.
  Thread.Terminate();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(PastCheck.load());
  Thread.Resume();
  Thread.WaitFor();
  EXPECT_TRUE(PastCheck.load());
  EXPECT_TRUE(SawTerminated.load());
}

TEST(Thread, WaitForOnItselfRaises) {
  std::string Caught;
  TTestThread Thread([&](TTestThread& Self) {
    try {
      Self.WaitFor();
    } catch (const EThread& E) {
      Caught = E.what();
    }
  });
  Thread.Resume();
  Thread.WaitFor();
  EXPECT_FALSE(Caught.empty());
}

TEST(Thread, CreationFailureRaisesThreadCreationError) {
  // No system can reserve a stack this large.
  const std::size_t Impossible = std::size_t{1} << 50;
  try {
    TTestThread Thread(nullptr, nullptr, Impossible);
    FAIL() << "a thread was created";
  } catch (const EThread& E) {
    const std::string Message = E.what();
    const std::string Prefix = "Thread creation error: ";
    EXPECT_EQ(Message.substr(0, Prefix.size()), Prefix);
    EXPECT_GT(Message.size(), Prefix.size());
  }
}

TEST(Thread, CurrentThreadIsTheRunningObject) {
  TThread* Seen = nullptr;
  TTestThread Thread([&](TTestThread&) { Seen = TThread::CurrentThread(); });
  Thread.Resume();
  Thread.WaitFor();
  EXPECT_EQ(Seen, &Thread);
  EXPECT_EQ(TThread::CurrentThread(), nullptr);
}

#if defined(__linux__)
int OwnNice() {
  return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}

TEST(Thread, PrioritiesMapOntoNiceValuesOnLinux) {
  const int Base = OwnNice();
  struct TCase {
    TThreadPriority Priority;
    int Nice;
  };
  const TCase Cases[] = {
      {tpIdle, 19},
      {tpLowest, std::min(Base + 8, 19)},
      {tpLower, std::min(Base + 4, 19)},
      {tpNormal, Base},
      {tpHigher, Base},
      {tpHighest, Base},
      {tpTimeCritical, Base},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Priority);
    int Seen = -100;
    TTestThread Thread([&](TTestThread&) { Seen = OwnNice(); });
    Thread.SetPriority(Case.Priority);
    EXPECT_EQ(Thread.Priority(), Case.Priority);
    Thread.Resume();
    Thread.WaitFor();
    EXPECT_EQ(Seen, Case.Nice);
  }
}

TEST(Thread, PriorityAppliesAtOnceToARunningThread) {
  TGate Started;
  TGate Changed;
  int Seen = -100;
  TTestThread Thread([&](TTestThread&) {
    Started.Open();
    Changed.Wait();
    Seen = OwnNice();
  });
  Thread.Resume();
  ASSERT_TRUE(Started.Wait());
  Thread.SetPriority(tpIdle);
  Changed.Open();
  Thread.WaitFor();
  EXPECT_EQ(Seen, 19);
}
#endif

}  // namespace
