#include "MovedText.h"

#include "Encoding.h"
#include "LineModel.h"
#include "VDiff.h"

#include <algorithm>
#include <string>

namespace {

// The bytes of the pieces of one kind joined in order, and where each piece after the first
// begins in them.
struct TJoined {
  std::string Bytes;
  std::vector<std::size_t> Boundaries;
};

TJoined Join(const TVKindStringList &pieces, std::int32_t kind) {
  TJoined joined;
  std::size_t size = 0;
  for (int k = 0; k < pieces.Count(); ++k)
    size += pieces.GetKind(k) == kind ? pieces.Text(k).size() : 0;
  joined.Bytes.reserve(size);
  bool first = true;
  for (int k = 0; k < pieces.Count(); ++k) {
    if (pieces.GetKind(k) != kind)
      continue;
    if (!first)
      joined.Boundaries.push_back(joined.Bytes.size());
    first = false;
    joined.Bytes += pieces.Text(k);
  }
  return joined;
}

// The boundaries strictly inside [from, from + length), as offsets from `from`.
void BoundariesInside(const std::vector<std::size_t> &boundaries, std::size_t from,
                      std::size_t length, std::vector<std::size_t> &cuts) {
  for (auto it = std::upper_bound(boundaries.begin(), boundaries.end(), from);
       it != boundaries.end() && *it < from + length; ++it)
    cuts.push_back(*it - from);
}

bool IsWordByte(unsigned char b) {
  return b >= 0x80 || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

} // namespace

bool WorthMarking(std::string_view part) {
  if (part.size() < kMovedMinBytes)
    return false;
  std::size_t words = 0;
  for (const char c : part)
    words += IsWordByte(static_cast<unsigned char>(c)) ? 1 : 0;
  return words >= kMovedMinWordBytes;
}

std::optional<std::vector<TMovedPart>> FindMovedParts(const TVKindStringList &pieces,
                                                      const std::stop_token &stop) {
  std::vector<TMovedPart> parts;
  const TJoined here = Join(pieces, kindInserted), away = Join(pieces, kindDeleted);
  // Shorter text than a kept part holds no part to keep (nor does an empty one).
  if (here.Bytes.size() < kMovedMinBytes || away.Bytes.size() < kMovedMinBytes)
    return parts;
  TVDiff engine;
  engine.RunOn(here.Bytes, away.Bytes, stop);
  if (engine.Stopped())
    return std::nullopt;
  std::size_t inHere = 0, inAway = 0;
  std::vector<std::size_t> cuts;
  for (int k = 0; k < engine.Count(); ++k) {
    const std::int32_t kind = engine.GetKind(k);
    const std::size_t length = engine.Text(k).size();
    if (kind == engine.EqualKind) {
      cuts.clear();
      BoundariesInside(here.Boundaries, inHere, length, cuts);
      BoundariesInside(away.Boundaries, inAway, length, cuts);
      cuts.push_back(length);
      std::sort(cuts.begin(), cuts.end());
      std::size_t start = 0;
      for (const std::size_t cut : cuts) {
        if (cut > start &&
            WorthMarking(std::string_view(here.Bytes).substr(inHere + start, cut - start)))
          parts.push_back({inHere + start, inAway + start, cut - start});
        start = cut;
      }
    }
    inHere += kind != engine.SecondKind ? length : 0;
    inAway += kind != engine.FirstKind ? length : 0;
  }
  return parts;
}

namespace {

// Where each part's end in the pieces of one kind lies in the file whose bytes the pieces show.
void PlaceEnds(const std::vector<TMovedPart> &parts, const TVKindStringList &pieces,
               std::int32_t kind, std::size_t TMovedPart::*joined, std::vector<TMovedSpot> &spots,
               std::size_t TMovedSpot::*inFile) {
  const std::int32_t otherKind = kind == kindInserted ? kindDeleted : kindInserted;
  std::size_t file = 0, at = 0, next = 0; // offsets in the file and in the joined pieces
  for (int k = 0; k < pieces.Count() && next < parts.size(); ++k) {
    const std::int32_t pieceKind = pieces.GetKind(k);
    const std::size_t length = pieces.Text(k).size();
    if (pieceKind == kind) {
      for (; next < parts.size() && parts[next].*joined < at + length; ++next)
        spots[next].*inFile = file + (parts[next].*joined - at);
      at += length;
    }
    file += pieceKind != otherKind ? length : 0;
  }
}

} // namespace

std::vector<TMovedSpot> MovedSpots(const std::vector<TMovedPart> &parts,
                                   const TVKindStringList &firstPieces,
                                   const TVKindStringList &secondPieces) {
  std::vector<TMovedSpot> spots(parts.size());
  for (std::size_t p = 0; p < parts.size(); ++p)
    spots[p].Length = parts[p].Length;
  PlaceEnds(parts, firstPieces, kindInserted, &TMovedPart::Here, spots, &TMovedSpot::First);
  PlaceEnds(parts, secondPieces, kindDeleted, &TMovedPart::Away, spots, &TMovedSpot::Second);
  return spots;
}

std::int64_t MovedBytes(const std::vector<TMovedPart> &parts) {
  std::int64_t bytes = 0;
  for (const TMovedPart &part : parts)
    bytes += static_cast<std::int64_t>(part.Length);
  return bytes;
}

TVMovedPieces::TVMovedPieces(const TVKindStringList &pieces, const std::vector<TMovedPart> &parts,
                             bool utf8)
    : FUtf8(utf8), FHereEntry(parts.size(), -1), FAwayEntry(parts.size(), -1) {
  std::size_t inHere = 0, inAway = 0;
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::int32_t kind = pieces.GetKind(k);
    const std::string_view text = pieces.Text(k);
    if (kind == kindInserted) {
      AddMarked(text, kind, inHere, parts, true);
      inHere += text.size();
    } else if (kind == kindDeleted) {
      AddMarked(text, kind, inAway, parts, false);
      inAway += text.size();
    } else {
      AddKind(text, kind);
    }
  }
}

void TVMovedPieces::AddMarked(std::string_view piece, std::int32_t kind, std::size_t from,
                              const std::vector<TMovedPart> &parts, bool here) {
  std::size_t &next = here ? FNextHere : FNextAway;
  const auto placeOf = [here](const TMovedPart &part) { return here ? part.Here : part.Away; };
  const std::size_t end = from + piece.size();
  if (next == parts.size() || placeOf(parts[next]) >= end) {
    AddKind(piece, kind); // nothing moved in it
    return;
  }
  std::size_t at = 0; // the first byte of the piece not yet added
  for (; next < parts.size() && placeOf(parts[next]) < end; ++next) {
    const TMovedPart &part = parts[next];
    std::size_t begin = placeOf(part) - from, stop = begin + part.Length;
    if (FUtf8) { // no character split between a mark and the text beside it
      const std::string_view moved = piece.substr(begin, part.Length);
      const std::size_t lead = Utf8LeadingPart(moved);
      stop -= Utf8TrailingPart(moved, lead);
      begin += lead;
    }
    if (begin >= stop)
      continue;
    if (begin > at)
      AddKind(piece.substr(at, begin - at), kind);
    const int entry =
        AddKind(piece.substr(begin, stop - begin), here ? kindMovedHere : kindMovedAway);
    const auto p = static_cast<int>(&part - parts.data());
    (here ? FHereEntry : FAwayEntry)[static_cast<std::size_t>(p)] = entry;
    FMarked.emplace_back(entry, p);
    at = stop;
  }
  if (at < piece.size())
    AddKind(piece.substr(at), kind);
}

int TVMovedPieces::OtherEnd(int entry) const {
  const auto it = std::lower_bound(FMarked.begin(), FMarked.end(), std::make_pair(entry, -1));
  if (it == FMarked.end() || it->first != entry)
    return -1;
  const auto part = static_cast<std::size_t>(it->second);
  return GetKind(entry) == kindMovedHere ? FAwayEntry[part] : FHereEntry[part];
}
