#include "search/searchwarmup.h"

#include "search/searchurl.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "panes/fakemainwindowview.h"

namespace {

using V = std::vector<std::u16string>;

class SearchWarmUpTest : public ::testing::Test {
 protected:
  TFakeMainWindowView View;
  V Preconnects;
  std::map<int, std::u16string> Commands{{1, u"https://one.test/search?q="},
                                         {2, u"http://two.test:8080/s/"},
                                         {3, u"https://three.test/search?p="}};

  TSearchWarmUp Make(bool Enabled) {
    return TSearchWarmUp(
        View, [this](int Slot) { return Commands[Slot]; },
        [this](const std::u16string& Origin) { Preconnects.push_back(Origin); }, Enabled);
  }
};

TEST_F(SearchWarmUpTest, FirstEditOfANewSearchPreconnectsTheTickedSlots) {
  TSearchWarmUp WarmUp = Make(true);
  View.Boxes[TFakeMainWindowView::Index(TMainWindowView::EngineCheckBox(3))] = false;
  EXPECT_TRUE(Preconnects.empty());  // nothing at start
  WarmUp.WordsEdited();
  WarmUp.WordsEdited();  // later keys of the same search
  EXPECT_EQ(Preconnects, (V{u"https://one.test", u"http://two.test:8080"}));

  WarmUp.SearchDispatched();
  Commands[1] = u"one.test/search?q=";  // no scheme: nothing to warm up
  WarmUp.WordsEdited();
  EXPECT_EQ(Preconnects, (V{u"https://one.test", u"http://two.test:8080", u"http://two.test:8080"}));
}

TEST_F(SearchWarmUpTest, OffPreconnectsNothing) {
  TSearchWarmUp WarmUp = Make(false);
  WarmUp.WordsEdited();
  WarmUp.SearchDispatched();
  WarmUp.WordsEdited();
  EXPECT_TRUE(Preconnects.empty());
}

TEST(SearchOrigin, IsTheSchemeHostAndPortOfTheSearchUrl) {
  struct Case {
    std::u16string Command;
    std::optional<std::u16string> Origin;
  };
  const Case Cases[] = {
      {u"https://www.google.com/search?q=", u"https://www.google.com"},
      {u"HTTP://Host.test:80/search?q=", u"http://Host.test"},  // default port dropped, as in the URL
      {u"http://host.test:8080/", u"http://host.test:8080"},
      {u"http://user:pw@host.test/?q=", u"http://host.test"},
      {u"http://[::1]:8080/s?q=", u"http://[::1]:8080"},
      {u"host.test/search?q=", std::nullopt},
      {u"ftp://host.test/", std::nullopt},
      {u"javascript://x/", std::nullopt},
      {u"http:///search?q=", std::nullopt},
      {u"", std::nullopt},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(std::string(C.Command.begin(), C.Command.end()));
    EXPECT_EQ(SearchOrigin(C.Command), C.Origin);
  }
}

}  // namespace
