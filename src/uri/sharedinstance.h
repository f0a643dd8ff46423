// TSharedInstance<T>: one T shared by the whole process, made on first use.
//
// Get() makes the instance without a lock: each thread that finds none makes
// its own and tries to install it by an atomic compare-and-swap; the winner's
// instance is kept, every loser deletes its own and uses the winner's. So
// T's constructor may run more than once under a race, and T must be default
// constructible with no side effect that matters. The instance is deleted by
// the destructor; declare the holder constinit at namespace scope so that it
// exists before any use. Get() is safe from any number of threads at once;
// the destructor must not race with Get().
#pragma once

#include <atomic>
#include <memory>

template <class T>
class TSharedInstance {
 public:
  constexpr TSharedInstance() noexcept = default;
  TSharedInstance(const TSharedInstance&) = delete;
  TSharedInstance& operator=(const TSharedInstance&) = delete;
  ~TSharedInstance() { delete FInstance.exchange(nullptr, std::memory_order_acq_rel); }

  T& Get() {
    if (T* Current = FInstance.load(std::memory_order_acquire)) return *Current;
    auto Mine = std::make_unique<T>();
    T* Installed = nullptr;
    if (FInstance.compare_exchange_strong(Installed, Mine.get(), std::memory_order_acq_rel,
                                          std::memory_order_acquire))
      return *Mine.release();
    return *Installed;
  }

 private:
  std::atomic<T*> FInstance{nullptr};
};
