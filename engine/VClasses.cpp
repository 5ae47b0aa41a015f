#include "VClasses.h"

int TVKindStringList::AddKind(std::string_view text, std::int32_t kind) {
  FEntries.push_back({text, kind});
  return static_cast<int>(FEntries.size()) - 1;
}

void TVKindStringList::Clear() {
  ClearEntries();
  FAdopted.clear();
}

void TVKindStringList::ClearEntries() {
  FEntries.clear();
  FEntries.shrink_to_fit();
}

std::string_view TVKindStringList::Adopt(std::string text) {
  return FAdopted.emplace_back(std::move(text));
}
