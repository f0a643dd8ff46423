// The panes' browser profile's identity on the wire: Chromium's own
// User-Agent without the QtWebEngine token, and an Accept-Language after
// the user's locale (BrowserUserAgent, AcceptLanguage). Applied once to the
// shared profile before any pane loads. UI thread only.
#pragma once

class QWebEngineProfile;

namespace profileidentity {

void Apply(QWebEngineProfile& Profile);

}  // namespace profileidentity
