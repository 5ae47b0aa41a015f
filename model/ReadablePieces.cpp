#include "ReadablePieces.h"

#include "LineModel.h"

#include <optional>
#include <string>
#include <vector>

namespace {

struct TPiece {
  std::int32_t Kind;
  std::string_view Text;
};

std::vector<TPiece> PiecesOf(const TVKindStringList &list) {
  std::vector<TPiece> pieces;
  pieces.reserve(static_cast<std::size_t>(list.Count()));
  for (int k = 0; k < list.Count(); ++k)
    pieces.push_back({list.GetKind(k), list.Text(k)});
  return pieces;
}

// A piece belongs to the file of kind when it is shared or of that kind.
bool InFileOf(const TPiece &piece, std::int32_t kind) {
  return piece.Kind == kindEqual || piece.Kind == kind;
}

// The text of X's file around a lone piece X between the shared pieces E1 and E2, byte by byte:
// E1 from 0, then X, then E2; the byte before E1 at -1 and the byte after E2 at the end, as far
// as the file has them.
class TSlideWindow {
public:
  TSlideWindow(const std::vector<TPiece> &pieces, std::size_t x)
      : FE1(pieces[x - 1].Text), FX(pieces[x].Text), FE2(pieces[x + 1].Text) {
    const std::int32_t kind = pieces[x].Kind;
    for (std::size_t k = x - 1; k-- > 0 && !FBefore;)
      if (InFileOf(pieces[k], kind))
        FBefore = pieces[k].Text.back();
    for (std::size_t k = x + 2; k < pieces.size() && !FAfter; ++k)
      if (InFileOf(pieces[k], kind))
        FAfter = pieces[k].Text.front();
  }

  std::ptrdiff_t Start() const { return std::ssize(FE1); } // where X is now
  std::ptrdiff_t Width() const { return std::ssize(FX); }
  std::ptrdiff_t End() const { return Start() + Width() + std::ssize(FE2); }

  std::optional<char> At(std::ptrdiff_t i) const {
    if (i < 0)
      return FBefore;
    if (i < Start())
      return FE1[static_cast<std::size_t>(i)];
    if (i < Start() + Width())
      return FX[static_cast<std::size_t>(i - Start())];
    if (i < End())
      return FE2[static_cast<std::size_t>(i - Start() - Width())];
    return FAfter;
  }

  // Whether the text up to and including byte i ends a line.
  bool EndsLine(std::ptrdiff_t i) const {
    const std::optional<char> c = At(i);
    return c == '\n' || (c == '\r' && At(i + 1) != '\n');
  }

  // X at the place p is aligned: it ends a line, and so does the text before it, if any.
  bool Aligned(std::ptrdiff_t p) const {
    const bool startsText = p == 0 && !FBefore;
    return EndsLine(p + Width() - 1) && (startsText || EndsLine(p - 1));
  }

  // X can move one byte right from p (E2 is not used up and begins with X's first byte), or
  // one byte left (E1 is not used up and ends with X's last byte).
  bool CanMoveRight(std::ptrdiff_t p) const {
    return p + Width() < End() && At(p) == At(p + Width());
  }
  bool CanMoveLeft(std::ptrdiff_t p) const { return p > 0 && At(p - 1) == At(p + Width() - 1); }

private:
  std::string_view FE1, FX, FE2;
  std::optional<char> FBefore, FAfter;
};

// How far the lone piece at x moves: to the reachable aligned place nearest to where it is, the
// right one of two as near; 0 when it is aligned already or no aligned place is reachable.
std::ptrdiff_t SlideDistance(const std::vector<TPiece> &pieces, std::size_t x) {
  const TSlideWindow w(pieces, x);
  const std::ptrdiff_t p = w.Start();
  if (w.Aligned(p))
    return 0;
  bool right = true, left = true;
  for (std::ptrdiff_t d = 1; right || left; ++d) {
    right = right && w.CanMoveRight(p + d - 1);
    if (right && w.Aligned(p + d))
      return d;
    left = left && w.CanMoveLeft(p - d + 1);
    if (left && w.Aligned(p - d))
      return -d;
  }
  return 0;
}

// Moves the lone piece at x by d bytes. Every piece stays a view of the text it viewed: E1 and
// X run on into the text that follows them in their file, E2 begins d bytes on; the bytes
// that change hands are the same in both files.
void Slide(std::vector<TPiece> &pieces, std::size_t x, std::ptrdiff_t d) {
  std::string_view &e1 = pieces[x - 1].Text, &text = pieces[x].Text, &e2 = pieces[x + 1].Text;
  e1 = {e1.data(), static_cast<std::size_t>(std::ssize(e1) + d)};
  text = {text.data() + d, text.size()};
  e2 = {e2.data() + d, static_cast<std::size_t>(std::ssize(e2) - d)};
}

} // namespace

TVSlidPieces::TVSlidPieces(const TVKindStringList &list) {
  std::vector<TPiece> pieces = PiecesOf(list);
  for (std::size_t x = 1; x + 1 < pieces.size(); ++x) {
    if (pieces[x].Kind == kindEqual || pieces[x - 1].Kind != kindEqual ||
        pieces[x + 1].Kind != kindEqual)
      continue;
    const std::ptrdiff_t d = SlideDistance(pieces, x);
    if (d == 0)
      continue;
    Slide(pieces, x, d);
    if (pieces[x + 1].Text.empty())
      pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(x) + 1);
    if (pieces[x - 1].Text.empty())
      pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(--x));
  }
  for (const TPiece &piece : pieces)
    AddKind(piece.Text, piece.Kind);
}

// One run of shared pieces, or one change with its deleted and inserted texts in order.
struct TVFoldedPieces::Item {
  bool Change = false;
  std::vector<std::string_view> Shared, Deleted, Inserted;
  std::size_t SharedBytes = 0, DeletedBytes = 0, InsertedBytes = 0;
  bool HasBreak = false; // of the shared text

  std::size_t Larger() const { return std::max(DeletedBytes, InsertedBytes); }

  void Add(const TPiece &piece) {
    const std::size_t n = piece.Text.size();
    if (piece.Kind == kindEqual) {
      Shared.push_back(piece.Text), SharedBytes += n;
      HasBreak = HasBreak || piece.Text.find_first_of("\r\n") != std::string_view::npos;
    } else if (piece.Kind == kindDeleted) {
      Deleted.push_back(piece.Text), DeletedBytes += n;
    } else {
      Inserted.push_back(piece.Text), InsertedBytes += n;
    }
  }

  // This change takes the shared text and the change after it.
  void Fold(const Item &shared, const Item &next) {
    for (const std::string_view part : shared.Shared)
      Deleted.push_back(part), Inserted.push_back(part);
    Deleted.insert(Deleted.end(), next.Deleted.begin(), next.Deleted.end());
    Inserted.insert(Inserted.end(), next.Inserted.begin(), next.Inserted.end());
    DeletedBytes += shared.SharedBytes + next.DeletedBytes;
    InsertedBytes += shared.SharedBytes + next.InsertedBytes;
  }
};

TVFoldedPieces::TVFoldedPieces(const TVKindStringList &list) {
  // Items alternate between shared runs and changes. A change that grows can let the shared run
  // before it fold, so each new change is folded back as far as it goes: every growth happens at
  // the top of the list, and the folds end where none is left.
  std::vector<Item> items;
  for (const TPiece &piece : PiecesOf(list)) {
    const bool change = piece.Kind != kindEqual;
    if (items.empty() || items.back().Change != change) {
      items.emplace_back();
      items.back().Change = change;
    }
    items.back().Add(piece);
    if (!change)
      continue;
    while (items.size() >= 3) {
      const Item &next = items.back(), &shared = items[items.size() - 2];
      Item &before = items[items.size() - 3];
      if (shared.HasBreak || shared.SharedBytes > before.Larger() ||
          shared.SharedBytes > next.Larger())
        break;
      before.Fold(shared, next);
      items.resize(items.size() - 2);
    }
  }
  for (const Item &item : items) {
    if (!item.Change) {
      AddKind(Joined(item.Shared), kindEqual);
      continue;
    }
    if (item.DeletedBytes > 0)
      AddKind(Joined(item.Deleted), kindDeleted);
    if (item.InsertedBytes > 0)
      AddKind(Joined(item.Inserted), kindInserted);
  }
}

// The parts as one text: a view where they lie next to each other already, else a copy.
std::string_view TVFoldedPieces::Joined(const std::vector<std::string_view> &parts) {
  bool adjacent = true;
  for (std::size_t k = 1; k < parts.size() && adjacent; ++k)
    adjacent = parts[k - 1].data() + parts[k - 1].size() == parts[k].data();
  if (adjacent)
    return {
        parts.front().data(),
        static_cast<std::size_t>(parts.back().data() + parts.back().size() - parts.front().data())};
  std::string joined;
  for (const std::string_view part : parts)
    joined += part;
  return Adopt(std::move(joined));
}
