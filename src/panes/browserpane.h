// TBrowserPane: what the program asks of one result pane's browser.
//
// The logic (page completion, hover focus, search dispatch, start pages)
// talks to this interface only; the program implements it with Qt WebEngine
// and the tests with a fake. Every member is called on the UI thread, and the
// two events are raised there.
//
// Document queries answer for the pane's top-level document as it stood when
// the last document-complete event was raised: an implementation whose
// browser answers asynchronously gathers the answers before raising the
// event, so a handler sees one consistent document. A query may throw a
// std::exception when the browser fails; the calling handler ends there.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct TScreenRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;   // Left + Width: the first column outside
  int Bottom = 0;  // Top + Height: the first row outside
};

class TBrowserPane {
 public:
  virtual ~TBrowserPane() = default;

  // Starts loading Url, an absolute http or https URL; any other text
  // loads nothing.
  virtual void Navigate(const std::u16string& Url) = 0;
  // Starts loading the local file at Path (the start pages).
  virtual void OpenLocalFile(const std::u16string& Path) = 0;

  // A top-level document has loaded (false before the first page).
  virtual bool HasDocument() const = 0;
  // The document has a body element.
  virtual bool HasBody() const = 0;
  // The root element's client width in pixels; 0 when unknown.
  virtual std::int32_t RootClientWidth() const = 0;
  // The document's URL.
  virtual std::u16string DocumentUrl() const = 0;
  // Sets the page's horizontal scroll position to X pixels, keeping its
  // vertical one: scrollTo(X, current y).
  virtual void ScrollHorizontallyTo(std::int32_t X) = 0;
  // The document has the keyboard focus.
  virtual bool HasFocus() const = 0;
  // Gives the document the keyboard focus.
  virtual void Focus() = 0;
  // The pane's outer rectangle in screen coordinates.
  virtual TScreenRect ScreenRect() const = 0;

  // Raised before every navigation of the pane, frames inside its page included.
  std::function<void()> OnBeforeNavigate2;
  // Raised when a document has completed loading and its state has been read.
  std::function<void()> OnDocumentComplete;
};
