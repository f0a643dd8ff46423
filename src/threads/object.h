// TObject: the root of the component and thread classes, and TNotifyEvent,
// the plain event that passes only its sender.
//
// Objects of this family have identity, not value: they are handed around by
// pointer and never copied or moved. The destructor is virtual so that an
// owner can free any of them through a base pointer.
#pragma once

#include <functional>

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject();
};

// An event bound to an object. Unset (empty) means "never called".
using TNotifyEvent = std::function<void(TObject* Sender)>;
