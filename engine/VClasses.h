// The kinded chunk list: an ordered list of text pieces, each tagged with a 32-bit kind.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Stages of a progress report, shared by the engine and the viewer's line building.
enum TVProgressStage : std::uint8_t { psStart = 0, psStep = 1, psDone = 2 };

// Progress callback: the reporting object, a percentage and the stage. The sender lets one
// handler tell the engine's reports from the viewer's.
using TVProgressEvent =
    std::function<void(const void *sender, std::int32_t percent, TVProgressStage stage)>;

// Entries are views. Text handed to AddKind must outlive the entry, unless it was moved into
// the list with Adopt, which keeps it alive until the next Clear.
class TVKindStringList {
public:
  virtual ~TVKindStringList() = default;

  // Appends one entry and returns its index. Virtual so that a descendant sees every piece.
  virtual int AddKind(std::string_view text, std::int32_t kind);

  std::int32_t GetKind(int index) const { return FEntries[static_cast<std::size_t>(index)].Kind; }
  std::string_view Text(int index) const { return FEntries[static_cast<std::size_t>(index)].Text; }
  int Count() const { return static_cast<int>(FEntries.size()); }

  // Drops the entries and every adopted text.
  void Clear();

protected:
  // Drops the entries but keeps the adopted texts alive until the next Clear.
  void ClearEntries();
  // Takes ownership of a text and returns a view of it that stays valid until Clear.
  std::string_view Adopt(std::string text);

private:
  struct Entry {
    std::string_view Text;
    std::int32_t Kind = 0;
  };
  std::vector<Entry> FEntries;
  std::deque<std::string> FAdopted; // a deque never moves its elements, so views stay valid
};
