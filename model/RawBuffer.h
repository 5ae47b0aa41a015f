// A buffer of trivially copyable elements that is written as it fills, never filled first: only
// the pages its elements take are touched, in huge pages where the system gives them.
#pragma once

#include "HugePages.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

template <typename T> class TRawBuffer {
  static_assert(std::is_trivially_copyable_v<T>);

public:
  // Room for `more` elements after the first `used`, which are kept; the buffer at least doubles
  // when it grows.
  T *Room(std::size_t used, std::size_t more) {
    if (used + more > FCapacity) {
      const std::size_t capacity = std::max(2 * FCapacity, used + more);
      auto grown = std::make_unique_for_overwrite<T[]>(capacity);
      AdviseHugePages(grown.get(), capacity * sizeof(T)); // before the pages are first touched
      if (used > 0)
        std::memcpy(grown.get(), FData.get(), used * sizeof(T));
      FData = std::move(grown);
      FCapacity = capacity;
    }
    return FData.get();
  }
  T *Data() { return FData.get(); }
  const T *Data() const { return FData.get(); }

private:
  std::unique_ptr<T[]> FData;
  std::size_t FCapacity = 0;
};
