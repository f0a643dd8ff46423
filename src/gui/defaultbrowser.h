// The one way a page leaves the program: the user's default browser.
//
// Links a pane will not show itself (new windows and tabs the user asks
// for, Ctrl+click, middle-click, downloads) and the menu's "default browser" entries go
// through Open, which asks the desktop (QDesktopServices::openUrl); tests
// catch the URLs with QDesktopServices::setUrlHandler. UI thread only.
#pragma once

class QUrl;

namespace defaultbrowser {

// Opens a web URL (http or https) in the user's default browser; any other
// URL (javascript:, file:, blank) is dropped.
void Open(const QUrl& Url);

}  // namespace defaultbrowser
