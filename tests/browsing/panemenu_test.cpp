#include "browsing/panemenu.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using E = TPaneMenuEntry;
using Entries = std::vector<E>;

TEST(PaneMenu, EntriesFollowWhatIsUnderTheMouse) {
  const Entries Always{E::Separator, E::OpenPageInDefaultBrowser, E::CopyPageAddress, E::Separator, E::ZoomIn,
                       E::ZoomOut,   E::ResetZoom,                E::Separator,       E::FindInPage};
  const auto With = [&Always](Entries Head) {
    Head.insert(Head.end(), Always.begin(), Always.end());
    return Head;
  };
  struct Case {
    TPaneMenuState State;
    Entries Expected;
    const char* Reason;
  };
  const Case Cases[] = {
      {{}, With({E::Back, E::Forward, E::Reload}), "plain page"},
      {{true, false, false}, With({E::Back, E::Forward, E::Stop}), "loading: Stop instead of Reload"},
      {{false, true, false},
       With({E::Back, E::Forward, E::Reload, E::Separator, E::OpenLinkInDefaultBrowser, E::CopyLinkAddress}),
       "on a link"},
      {{false, false, true}, With({E::Back, E::Forward, E::Reload, E::Separator, E::Copy, E::SearchForSelection}),
       "on a selection"},
      {{true, true, true},
       With({E::Back, E::Forward, E::Stop, E::Separator, E::OpenLinkInDefaultBrowser, E::CopyLinkAddress,
             E::Separator, E::Copy, E::SearchForSelection}),
       "selected link text while loading"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Reason);
    EXPECT_EQ(PaneMenuEntries(C.State), C.Expected);
  }
}

}  // namespace
