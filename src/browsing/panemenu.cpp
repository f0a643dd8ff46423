#include "browsing/panemenu.h"

std::vector<TPaneMenuEntry> PaneMenuEntries(const TPaneMenuState& State) {
  using E = TPaneMenuEntry;
  std::vector<E> Entries{E::Back, E::Forward, State.Loading ? E::Stop : E::Reload};
  if (State.OnLink) Entries.insert(Entries.end(), {E::Separator, E::OpenLinkInDefaultBrowser, E::CopyLinkAddress});
  if (State.HasSelection) Entries.insert(Entries.end(), {E::Separator, E::Copy, E::SearchForSelection});
  Entries.insert(Entries.end(), {E::Separator, E::OpenPageInDefaultBrowser, E::CopyPageAddress, E::Separator,
                                 E::ZoomIn, E::ZoomOut, E::ResetZoom, E::Separator, E::FindInPage});
  return Entries;
}
