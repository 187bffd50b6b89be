#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace orv::base {

// The listeners of a document, told of each change in the order they
// subscribed. A listener may subscribe or leave while it is told: the ones
// present at the start are told, unless they have left meanwhile.
template <typename... TArgs>
class TListeners {
 public:
  using TToken = std::size_t;
  using TListener = std::function<void(TArgs...)>;

  TToken Subscribe(TListener listener) {
    entries_.push_back({next_, std::move(listener)});
    return next_++;
  }
  void Unsubscribe(TToken token) {
    std::erase_if(entries_, [token](const TEntry& entry) { return entry.token == token; });
  }
  void Notify(const TArgs&... args) const {
    const std::vector<TEntry> entries = entries_;
    for (const TEntry& entry : entries) {
      const bool present =
          std::ranges::any_of(entries_, [&entry](const TEntry& each) { return each.token == entry.token; });
      if (present) entry.listener(args...);
    }
  }

 private:
  struct TEntry {
    TToken token;
    TListener listener;
  };
  std::vector<TEntry> entries_;
  TToken next_ = 1;
};

}  // namespace orv::base
