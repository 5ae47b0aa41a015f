// Finding a pattern in the running text of a view: the rule of the search commands, without
// the window around it.
#pragma once

#include "CodePages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string_view>

struct TSearchRequest {
  std::string_view Text; // searched up to its first zero byte
  std::string_view Pattern;
  std::int64_t Start = 0; // down: occurrences from here on; up: occurrences before here
  bool Down = true;
  bool WholeWord = false; // both neighbours must not be letters or digits
  std::size_t Skip = 0;   // how far a rejected occurrence moves a downward search on
  bool Utf8 = false;      // the text is UTF-8: words are of Unicode letters and digits
  TCodePage CodePage = TCodePage::Windows1251; // else words are of this code page's
  // Looked at between slices of a megabyte; after a stop request nothing is found.
  std::stop_token Stop = {};
};

// The offset of the occurrence found, or nothing. An upward search finds the last occurrence
// that begins before the start, overlapping ones included.
std::optional<std::size_t> FindOccurrence(const TSearchRequest &request);
