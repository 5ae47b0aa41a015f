#include "TextSearch.h"

#include "Cells.h"
#include "CodePages.h"
#include "Encoding.h"
#include "Words.h"

#include <algorithm>

namespace {

bool WholeWordAt(std::string_view text, std::size_t p, std::size_t n, const TSearchRequest &r) {
  const TVWordRule rule{r.Utf8, r.CodePage};
  const bool before = p > 0 && WordCharacterBefore(text, p, rule);
  const bool after = p + n < text.size() && WordCharacterAt(text, p + n, rule);
  return !before && !after;
}

} // namespace

namespace {

constexpr std::size_t kSlice = std::size_t{1} << 20; // bytes searched between looks at a stop

// The first occurrence at or after from, a slice at a time.
std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from,
                     const TSearchRequest &r) {
  while (from + pattern.size() <= text.size()) {
    if (r.Stop.stop_requested())
      return std::string_view::npos;
    const std::size_t end = std::min(text.size(), from + kSlice + pattern.size() - 1);
    const std::size_t hit = text.substr(0, end).find(pattern, from);
    if (hit != std::string_view::npos || end == text.size())
      return hit;
    from = end - pattern.size() + 1;
  }
  return std::string_view::npos;
}

// The last occurrence that begins before `before`, a slice at a time.
std::size_t FindBefore(std::string_view text, std::string_view pattern, std::size_t before,
                       const TSearchRequest &r) {
  while (before > 0) {
    if (r.Stop.stop_requested())
      return std::string_view::npos;
    const std::size_t low = before > kSlice ? before - kSlice : 0;
    const std::string_view part =
        text.substr(low, std::min(text.size(), before - 1 + pattern.size()) - low);
    const std::size_t hit = part.rfind(pattern, before - 1 - low);
    if (hit != std::string_view::npos)
      return low + hit;
    before = low;
  }
  return std::string_view::npos;
}

} // namespace

std::optional<std::size_t> FindOccurrence(const TSearchRequest &r) {
  const std::string_view text = r.Text.substr(0, r.Text.find('\0'));
  if (r.Pattern.empty())
    return std::nullopt;
  auto from = static_cast<std::size_t>(std::max<std::int64_t>(0, r.Start));
  while (true) {
    std::size_t hit = std::string_view::npos;
    if (r.Down)
      hit = from <= text.size() ? FindFrom(text, r.Pattern, from, r) : std::string_view::npos;
    else if (from > 0)
      hit = FindBefore(text, r.Pattern, std::min(from, text.size()), r);
    if (hit == std::string_view::npos)
      return std::nullopt;
    if (!r.WholeWord || WholeWordAt(text, hit, r.Pattern.size(), r))
      return hit;
    from = r.Down ? hit + std::max<std::size_t>(r.Skip, 1) : hit;
  }
}
