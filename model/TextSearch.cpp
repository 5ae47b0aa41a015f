#include "TextSearch.h"

#include "CodePages.h"

#include <algorithm>

namespace {

bool WholeWordAt(std::string_view text, std::size_t p, std::size_t n) {
  const bool before = p == 0 || !IsAlphaNumericWindows1251(text[p - 1]);
  const bool after = p + n >= text.size() || !IsAlphaNumericWindows1251(text[p + n]);
  return before && after;
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
      hit = from <= text.size() ? text.find(r.Pattern, from) : std::string_view::npos;
    else if (from > 0)
      hit = text.rfind(r.Pattern, from - 1);
    if (hit == std::string_view::npos)
      return std::nullopt;
    if (!r.WholeWord || WholeWordAt(text, hit, r.Pattern.size()))
      return hit;
    from = r.Down ? hit + std::max<std::size_t>(r.Skip, 1) : hit;
  }
}
