// TFakeBrowserPane: a pane whose document state is set by the test.
//
// Every call is recorded in Calls by member name, in order; a call whose
// name equals ThrowIn throws std::runtime_error after being recorded, as a
// failing browser call would. Focus sets Focused; ScrollHorizontallyTo
// records its position in Scrolls. The document's URL is Url, a page of the
// host "engine.example" unless the test says otherwise.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "panes/browserpane.h"

class TFakeBrowserPane final : public TBrowserPane {
 public:
  bool Document = true;
  bool Body = true;
  std::int32_t ClientWidth = 400;
  bool Focused = false;
  TScreenRect Rect;
  std::u16string Url = u"https://engine.example/search?q=solar";
  std::string ThrowIn;

  mutable std::vector<std::string> Calls;
  std::vector<std::u16string> Navigations;
  std::vector<std::int32_t> Scrolls;

  void Navigate(const std::u16string& Url) override {
    Record("Navigate");
    Navigations.push_back(Url);
  }
  void OpenLocalFile(const std::u16string& Path) override {
    Record("OpenLocalFile");
    Navigations.push_back(Path);
  }
  bool HasDocument() const override {
    Record("HasDocument");
    return Document;
  }
  bool HasBody() const override {
    Record("HasBody");
    return Body;
  }
  std::int32_t RootClientWidth() const override {
    Record("RootClientWidth");
    return ClientWidth;
  }
  std::u16string DocumentUrl() const override {
    Record("DocumentUrl");
    return Url;
  }
  void ScrollHorizontallyTo(std::int32_t X) override {
    Record("ScrollHorizontallyTo");
    Scrolls.push_back(X);
  }
  bool HasFocus() const override {
    Record("HasFocus");
    return Focused;
  }
  void Focus() override {
    Record("Focus");
    Focused = true;
  }
  TScreenRect ScreenRect() const override {
    Record("ScreenRect");
    return Rect;
  }

 private:
  void Record(const std::string& Name) const {
    Calls.push_back(Name);
    if (Name == ThrowIn) throw std::runtime_error("pane failure in " + Name);
  }
};
