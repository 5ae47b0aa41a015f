// The search over texts of megabytes, looked through a slice at a time: every occurrence is
// found where a search over the whole text finds it, across the slices' edges too.
#include "TextSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <stop_token>
#include <string>

namespace {

TEST(TextSearch, SlicedSearchFindsWhatAWholeSearchFinds) {
  std::mt19937 rng(7);
  std::string text((3u << 20) + 123, 'a');
  for (char &c : text)
    c = rng() % 50 == 0 ? 'b' : 'a';
  const std::size_t mb = std::size_t{1} << 20;
  for (const std::string pattern : {"b", "ab", "baab", "bbb", "aaaaaaaaaaaaaaaaaaaaaaaab"}) {
    // An occurrence across each edge between slices, and starts on both sides of them.
    for (const std::size_t edge : {mb, 2 * mb, 3 * mb})
      text.replace(edge - 2, pattern.size(), pattern);
    for (const std::size_t edge : {std::size_t{0}, mb, 2 * mb, 3 * mb, text.size()})
      for (const std::int64_t shift : {-30, -3, -1, 0, 1, 2, 40}) {
        const std::int64_t start = static_cast<std::int64_t>(edge) + shift;
        for (const bool down : {true, false}) {
          const std::size_t from = static_cast<std::size_t>(std::max<std::int64_t>(0, start));
          const std::size_t expected = down   ? text.find(pattern, from)
                                       : from ? std::string_view(text).rfind(pattern, from - 1)
                                              : std::string::npos;
          const auto hit = FindOccurrence({text, pattern, start, down});
          ASSERT_EQ(hit.value_or(std::string::npos), expected)
              << pattern << " from " << start << (down ? " down" : " up");
        }
      }
  }
}

TEST(TextSearch, AStopRequestFindsNothing) {
  const std::string text = std::string(3u << 20, 'a') + "needle";
  std::stop_source stop;
  TSearchRequest request{text, "needle", 0, true};
  request.Stop = stop.get_token();
  EXPECT_EQ(FindOccurrence(request), text.size() - 6);
  stop.request_stop();
  EXPECT_EQ(FindOccurrence(request), std::nullopt);
  request.Down = false;
  request.Start = static_cast<std::int64_t>(text.size());
  EXPECT_EQ(FindOccurrence(request), std::nullopt);
}

} // namespace
