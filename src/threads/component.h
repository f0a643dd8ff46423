// TComponent: a TObject that may own other components and frees them with
// itself.
//
// A component created with an owner registers with it; the owner deletes the
// components it owns when it is destroyed, the last created first. Owned
// components must therefore be created with new. A component deleted before
// its owner leaves the owner's list, so nothing is freed twice. A component
// with a null owner belongs to whoever created it.
//
// Owned components are freed by ~TComponent, which runs after the destructor
// of a derived owner. An owner whose own members are still used by its
// components (their handlers, their running threads) calls DestroyComponents()
// first thing in its destructor.
//
// Not thread-safe: create, free and query components on one thread (the
// user-interface thread).
#pragma once

#include <cstddef>
#include <vector>

#include "threads/object.h"

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  // The Index-th owned component in order of creation; null when out of range.
  TComponent* Components(int Index) const;

  // Frees every owned component now, the last created first.
  void DestroyComponents();

 private:
  void RemoveComponent(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
};
