#include "search/searchdispatcher.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "panes/fakebrowserpane.h"
#include "panes/fakemainwindowview.h"
#include "threads/threadtestsupport.h"
#include "threads/workerthread.h"

namespace {

using threadtest::ServeUntil;

// Three fake panes, the done flags and the main window's boxes around a real
// dispatcher whose workers run on their own threads; the test thread serves
// their navigation requests.
class SearchDispatcherTest : public ::testing::Test {
 protected:
  std::array<TFakeBrowserPane, 3> Panes;
  TPaneDoneFlags Flags{true, true, true};
  TFakeMainWindowView View;
  std::map<int, std::u16string> Commands{{1, u"http://one.test/search?q="},
                                         {2, u"http://two.test/search?q="},
                                         {3, u"http://three.test/search?p="}};
  std::vector<int> CommandReads;
  std::unique_ptr<TSearchDispatcher> Dispatcher = std::make_unique<TSearchDispatcher>(
      std::array<TBrowserPane*, 3>{&Panes[0], &Panes[1], &Panes[2]}, Flags, View, [this](int Slot) {
        CommandReads.push_back(Slot);
        return Commands[Slot];
      });

  void Tick(int Slot, bool On) { View.Boxes[TFakeMainWindowView::Index(TMainWindowView::EngineCheckBox(Slot))] = On; }

  bool AllIdle() {
    return ServeUntil([this] {
      for (int Slot = 1; Slot <= 3; ++Slot)
        if (Dispatcher->WorkerThread(Slot).Runing()) return false;
      return true;
    });
  }

  std::vector<std::u16string> Navigations(int Slot) const { return Panes[Slot - 1].Navigations; }
};

TEST_F(SearchDispatcherTest, EveryTickedSlotNavigatesItsPaneOnceInSlotOrder) {
  Dispatcher->Dispatch(u"\"red apple\" -green");
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2) || Flags.PaneDone(3));
  EXPECT_EQ(CommandReads, (std::vector<int>{1, 2, 3}));
  ASSERT_TRUE(AllIdle());
  using V = std::vector<std::u16string>;
  EXPECT_EQ(Navigations(1), V{u"http://one.test/search?q=%22red%20apple%22%20-green"});
  EXPECT_EQ(Navigations(2), V{u"http://two.test/search?q=%22red%20apple%22%20-green"});
  EXPECT_EQ(Navigations(3), V{u"http://three.test/search?p=%22red%20apple%22%20-green"});
  for (const TFakeBrowserPane& Pane : Panes) EXPECT_EQ(Pane.Calls, std::vector<std::string>{"Navigate"});
}

TEST_F(SearchDispatcherTest, NoEngineTickedClearsTheFlagsAndTouchesNoPane) {
  for (int Slot = 1; Slot <= 3; ++Slot) Tick(Slot, false);
  Dispatcher->Dispatch(u"words");
  EXPECT_FALSE(Flags.PaneDone(1) || Flags.PaneDone(2) || Flags.PaneDone(3));
  EXPECT_TRUE(CommandReads.empty());
  for (int Slot = 1; Slot <= 3; ++Slot) EXPECT_FALSE(Dispatcher->WorkerThread(Slot).Runing());
  for (const TFakeBrowserPane& Pane : Panes) EXPECT_TRUE(Pane.Calls.empty());
}

TEST_F(SearchDispatcherTest, OnlyTickedSlotsRun) {
  Tick(1, false);
  Tick(3, false);
  Dispatcher->Dispatch(u"words");
  ASSERT_TRUE(AllIdle());
  EXPECT_TRUE(Navigations(1).empty());
  EXPECT_EQ(Navigations(2).size(), 1u);
  EXPECT_TRUE(Navigations(3).empty());
}

TEST_F(SearchDispatcherTest, BusySlotIgnoresTheNextSearchAndKeepsItsOwnRequest) {
  Tick(1, false);
  Tick(3, false);
  Dispatcher->Dispatch(u"first");
  // Slot 2's run cannot end before this thread serves it.
  ASSERT_TRUE(Dispatcher->WorkerThread(2).Runing());
  for (int Slot = 1; Slot <= 3; ++Slot) Tick(Slot, true);
  CommandReads.clear();
  Dispatcher->Dispatch(u"second");
  EXPECT_EQ(CommandReads, (std::vector<int>{1, 3}));
  ASSERT_TRUE(AllIdle());
  using V = std::vector<std::u16string>;
  EXPECT_EQ(Navigations(1), V{u"http://one.test/search?q=second"});
  EXPECT_EQ(Navigations(2), V{u"http://two.test/search?q=first"});
  EXPECT_EQ(Navigations(3), V{u"http://three.test/search?p=second"});
}

TEST_F(SearchDispatcherTest, RunUsesCommandAndQueryAsTheyStoodAtDispatch) {
  std::u16string Query = u"before";
  Dispatcher->Dispatch(Query);
  Query = u"after";
  Commands[1] = u"http://changed.test/?q=";
  ASSERT_TRUE(AllIdle());
  EXPECT_EQ(Navigations(1), std::vector<std::u16string>{u"http://one.test/search?q=before"});
}

TEST_F(SearchDispatcherTest, CommandThatCannotBeEncodedLeavesOnlyItsPaneAlone) {
  const std::u16string Bad[] = {
      u"",                 // empty: no scheme
      u"two.test/s?q=",    // no scheme
      u"://two.test/s?q=", // empty scheme
      u"http:///s?q=",     // empty host before the path
  };
  for (const std::u16string& Command : Bad) {
    SCOPED_TRACE(std::string(Command.begin(), Command.end()));
    for (TFakeBrowserPane& Pane : Panes) Pane.Navigations.clear();
    Commands[2] = Command;
    Dispatcher->Dispatch(u"words");
    ASSERT_TRUE(AllIdle());
    EXPECT_EQ(Navigations(1).size(), 1u);
    EXPECT_TRUE(Navigations(2).empty());
    EXPECT_EQ(Navigations(3).size(), 1u);
    EXPECT_FALSE(Flags.PaneDone(2));
  }
  // The failed slot is startable again.
  Commands[2] = u"http://two.test/search?q=";
  Dispatcher->Dispatch(u"words");
  ASSERT_TRUE(AllIdle());
  EXPECT_EQ(Navigations(2), std::vector<std::u16string>{u"http://two.test/search?q=words"});
}

TEST_F(SearchDispatcherTest, QueryWithAnUnpairedSurrogateNavigatesNoPane) {
  Dispatcher->Dispatch(std::u16string(u"ab") + char16_t(0xD800));
  ASSERT_TRUE(AllIdle());
  for (const TFakeBrowserPane& Pane : Panes) EXPECT_TRUE(Pane.Navigations.empty());
}

TEST_F(SearchDispatcherTest, DestroyingWhileRunsAreGoingWaitsAndDropsTheirRequests) {
  Dispatcher->Dispatch(u"words");
  Dispatcher.reset();
  for (const TFakeBrowserPane& Pane : Panes) EXPECT_TRUE(Pane.Calls.empty());
}

TEST_F(SearchDispatcherTest, EachEngineReceivesTheQueryAsTyped) {
  struct Case {
    std::u16string Command, Query, Url;
  };
  const Case Cases[] = {
      // The query's own "&", "=" and "+" no longer start or split parameters.
      {u"http://host/search?q=", u"C# tips & C++", u"http://host/search?q=C%23%20tips%20%26%20C%2B%2B"},
      {u"http://host/search?q=", u"a&b=c", u"http://host/search?q=a%26b%3Dc"},
      {u"http://host/search?q=", u"C++ AT&T 100% a#b x=y",
       u"http://host/search?q=C%2B%2B%20AT%26T%20100%25%20a%23b%20x%3Dy"},
      // Queries without them are encoded exactly as before.
      {u"http://host/search?q=", u"site:docs.test -green", u"http://host/search?q=site:docs.test%20-green"},
      {u"http://host/search?q=", u"caf\u00e9 100%", u"http://host/search?q=caf%C3%A9%20100%25"},
      {u"http://host/search?q=", u"a\\b ?", u"http://host/search?q=a%5Cb%20?"},
      {u"https://host:8443/search?hl=en&q=", u"red apple", u"https://host:8443/search?hl=en&q=red%20apple"},
      {u"http://host/search?", u"ab", u"http://host/search?ab"},
      // No query key: the query is one path segment.
      {u"http://host/search/", u"C++", u"http://host/search/C%2B%2B"},
      {u"http://host/search/", u"C# tips", u"http://host/search/C%23%20tips"},
      {u"http://host/search/", u"a/b c", u"http://host/search/a%2Fb%20c"},
      {u"http://host/search/", u"a?b", u"http://host/search/a%3Fb"},
      {u"http://host/search/", u"a\\b", u"http://host/search/a%5Cb"},
      {u"http://host/wiki/Special:Search/", u"red apple", u"http://host/wiki/Special:Search/red%20apple"},
      // Where the query lands in the host or a bookmark, the command is used as it stands.
      {u"http://host", u"ab", u"http://hostab/"},
      {u"http://host/search#x", u"ab", u"http://host/search"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(std::string(C.Query.begin(), C.Query.end()));
    for (TFakeBrowserPane& Pane : Panes) Pane.Navigations.clear();
    Tick(1, false);
    Tick(3, false);
    Commands[2] = C.Command;
    Dispatcher->Dispatch(C.Query);
    ASSERT_TRUE(AllIdle());
    EXPECT_EQ(Navigations(2), std::vector<std::u16string>{C.Url});
  }
}

TEST_F(SearchDispatcherTest, OnlyHttpAndHttpsCommandsNavigate) {
  const std::u16string Refused[] = {
      u"javascript://x/\u2028var x=1;//",  // a script in the pane's current page
      u"file:///etc/",                    // a local file
      u"data://text/html,",               // a page made of the command itself
      u"ftp://host/search?q=",            // no web page
  };
  for (const std::u16string& Command : Refused) {
    SCOPED_TRACE(std::string(Command.begin(), Command.end()));
    for (TFakeBrowserPane& Pane : Panes) Pane.Navigations.clear();
    Commands[2] = Command;
    Dispatcher->Dispatch(u"red apple");
    ASSERT_TRUE(AllIdle());
    EXPECT_TRUE(Navigations(2).empty());
    EXPECT_EQ(Navigations(1).size(), 1u);
  }
  Commands[2] = u"HTTPS://two.test/search?q=";
  Dispatcher->Dispatch(u"red apple");
  ASSERT_TRUE(AllIdle());
  EXPECT_EQ(Navigations(2), std::vector<std::u16string>{u"HTTPS://two.test/search?q=red%20apple"});
}

}  // namespace
