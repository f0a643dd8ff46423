// The context menu of a result pane: the entries PaneMenuEntries lists for
// what lies under the mouse, bound to the pane's own commands. The caller
// owns the menu and shows it. UI thread only.
#pragma once

class QMenu;
class QWidget;
class TWebBrowser;

namespace panemenu {

// A new menu, parented to Parent, for the pane's last context-menu request.
QMenu* Build(TWebBrowser& Pane, QWidget* Parent);

}  // namespace panemenu
