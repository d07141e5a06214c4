#pragma once
// A list of listeners that may change while it is being called: a listener
// removed during a broadcast is not called afterwards, and one added during
// a broadcast is called from the next one on.
#include <algorithm>
#include <cstddef>
#include <vector>

template <typename T>
class TListenerList {
 public:
  void Add(T Listener) {
    if (!Contains(Listener)) FItems.push_back(Listener);
  }
  void Remove(const T& Listener) {
    RemoveIf([&Listener](const T& item) { return item == Listener; });
  }
  template <typename TPredicate>
  void RemoveIf(TPredicate&& Matches) {
    for (auto it = FItems.begin(); it != FItems.end();) {
      if (*it == T{} || !Matches(*it)) {
        ++it;
      } else if (FCalling > 0) {
        *it++ = T{};  // a hole, closed when the outermost broadcast ends
        FHoles = true;
      } else {
        it = FItems.erase(it);
      }
    }
  }
  bool Contains(const T& Listener) const {
    return Listener != T{} && std::find(FItems.begin(), FItems.end(), Listener) != FItems.end();
  }
  bool Empty() const {
    return std::all_of(FItems.begin(), FItems.end(), [](const T& item) { return item == T{}; });
  }

  // Calls Function(listener) for each listener present when the broadcast
  // began and still present; stops early when Function returns true.
  template <typename TFunction>
  bool Broadcast(TFunction&& Function) {
    ++FCalling;
    const std::size_t count = FItems.size();
    bool stopped = false;
    for (std::size_t i = 0; i < count && !stopped; ++i)
      if (FItems[i] != T{}) stopped = Function(FItems[i]);
    if (--FCalling == 0 && FHoles) {
      std::erase(FItems, T{});
      FHoles = false;
    }
    return stopped;
  }

 private:
  std::vector<T> FItems;
  int FCalling = 0;
  bool FHoles = false;
};
