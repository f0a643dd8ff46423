// PaneMenuEntries: the entries of a result pane's context menu, in order,
// for what lies under the mouse and the pane's state.
//
// Back, Forward, then Reload, or Stop while the page loads; on a link, Open
// link in default browser and Copy link address; on a selection, Copy and
// Search for the selection; always Open page in default browser, Copy page
// address, the three zoom entries and Find in page. Groups are parted by
// separators. Back and Forward are always listed; the window greys them
// out when there is no history that way. Pure.
#pragma once

#include <vector>

enum class TPaneMenuEntry {
  Back,
  Forward,
  Reload,
  Stop,
  OpenLinkInDefaultBrowser,
  CopyLinkAddress,
  Copy,
  SearchForSelection,
  OpenPageInDefaultBrowser,
  CopyPageAddress,
  ZoomIn,
  ZoomOut,
  ResetZoom,
  FindInPage,
  Separator,
};

struct TPaneMenuState {
  bool Loading = false;
  bool OnLink = false;
  bool HasSelection = false;
};

std::vector<TPaneMenuEntry> PaneMenuEntries(const TPaneMenuState& State);
