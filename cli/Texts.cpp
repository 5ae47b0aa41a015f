#include "Texts.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::pair<std::string_view, std::string_view> kEnglish[] = {
#include "EnglishTexts.inc"
};

std::string_view Environment(const char *name) {
  const char *value = std::getenv(name);
  return value ? value : "";
}

// A locale name as LC_ALL, LC_MESSAGES or LANG give it: "ru", "ru_RU.UTF-8", "ru@…".
bool IsRussianLocale(std::string_view name) {
  return name == "ru" || name.starts_with("ru_") || name.starts_with("ru.") ||
         name.starts_with("ru@");
}

} // namespace

bool SpeaksRussian() {
  static const bool russian = [] {
    std::string_view locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
      if (locale = Environment(name); !locale.empty())
        break;
    // As gettext and the window's toolkit have it: under any locale but C, the first language
    // of LANGUAGE, where it is set, goes before the locale's own.
    const bool plain =
        locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX";
    const std::string_view languages = Environment("LANGUAGE");
    if (const std::string_view first = languages.substr(0, languages.find(':'));
        !plain && !first.empty())
      locale = first;
    return IsRussianLocale(locale);
  }();
  return russian;
}

std::string_view Tr(std::string_view russian) {
  if (SpeaksRussian())
    return russian;
  for (const auto &[source, english] : kEnglish)
    if (source == russian)
      return english;
  return russian;
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t k = at + 1 < text.size() && text[at] == '%' ? text[at + 1] - '1' : SIZE_MAX;
    if (k < values.size()) {
      out += values.begin()[k];
      ++at;
    } else
      out += text[at];
  }
  return out;
}
