// The engine written the plain way (recursive, copied ranges, character loops, positions from
// 1), without any of its shortcuts: the tests and the fuzzer hold the engine to it entry for
// entry.
#pragma once

#include "Pieces.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

class ReferenceDiff {
public:
  std::vector<Piece> Run(const std::string &a, const std::string &b) {
    out.clear();
    DiffRange(a, b);
    return out;
  }

private:
  std::vector<Piece> out;
  static constexpr long T = 1;

  static bool Brk(char c) { return c == '\r' || c == '\n'; }
  static char At(const std::string &s, long pos) { return s[static_cast<std::size_t>(pos - 1)]; }
  static std::string Sub(const std::string &s, long from, long to) { // 1-based, inclusive
    return to < from ? std::string()
                     : s.substr(static_cast<std::size_t>(from - 1),
                                static_cast<std::size_t>(to - from + 1));
  }

  // The leftmost place of block in b, 0 if none. The C library's search keeps the reference
  // usable on the large pairs that need the finer passes, also in the instrumented fuzz builds.
  static long Find(const std::string &block, const std::string &b) {
    const void *hit = memmem(b.data(), b.size(), block.data(), block.size());
    return hit ? static_cast<const char *>(hit) - b.data() + 1 : 0;
  }

  // One pass of the block scan with width w: the longest extended hit, the earliest on a tie.
  static void Scan(const std::string &a, const std::string &b, long w, long &bp, long &bq,
                   long &bl) {
    const auto na = static_cast<long>(a.size()), nb = static_cast<long>(b.size());
    const long blocks = na / w;
    for (long i = 0; i < blocks;) {
      const long q0 = Find(Sub(a, i * w + 1, i * w + w), b);
      if (q0 > 0) {
        long p = i * w + 1, q = q0, l = w;
        while (p > 1 && q > 1 && At(a, p - 1) == At(b, q - 1))
          --p, --q, ++l;
        while (p + l <= na && q + l <= nb && At(a, p + l) == At(b, q + l))
          ++l;
        if (l > bl)
          bp = p, bq = q, bl = l;
        i = std::max(i + 1, (p + l - w - 1) / w);
      } else {
        ++i;
      }
    }
  }

  void Add(const std::string &s, std::int32_t kind) {
    if (!s.empty()) // no piece is ever empty
      out.push_back({kind, s});
  }

  static bool HasBreak(const std::string &s) { return std::any_of(s.begin(), s.end(), Brk); }

  // Every occurrence of the run in b, the nearest to its proportional place wins; moved, it is
  // grown again.
  static void Relocate(const std::string &a, const std::string &b, long &p, long &q, long &l) {
    const auto na = static_cast<long>(a.size()), nb = static_cast<long>(b.size());
    const std::string run = Sub(a, p, p + l - 1);
    long best = q;
    for (long at = 1; at + l - 1 <= nb; ++at) {
      if (b.compare(static_cast<std::size_t>(at - 1), run.size(), run) != 0)
        continue;
      const long long d =
          std::llabs(static_cast<long long>(at - 1) * na - static_cast<long long>(p - 1) * nb);
      const long long bestD =
          std::llabs(static_cast<long long>(best - 1) * na - static_cast<long long>(p - 1) * nb);
      if (d < bestD || (d == bestD && at < best))
        best = at;
    }
    if (best == q)
      return;
    q = best;
    while (p > 1 && q > 1 && At(a, p - 1) == At(b, q - 1))
      --p, --q, ++l;
    while (p + l <= na && q + l <= nb && At(a, p + l) == At(b, q + l))
      ++l;
  }

  void DiffRange(const std::string &a, const std::string &b) {
    const auto na = static_cast<long>(a.size()), nb = static_cast<long>(b.size());
    const bool lineEndLeft = na >= 1 && nb >= 1 && HasBreak(a);
    if ((T >= na || T >= nb) && !lineEndLeft) {
      Add(b, Second);
      Add(a, First);
      return;
    }
    long w = na <= 200 ? 1 : na / 200;
    long bp = 0, bq = 0, bl = 0;
    Scan(a, b, w, bp, bq, bl);
    while (bl == 0 && w > 256) { // no block occurred: narrower ones, down to 256
      w = std::max(256L, w / 2);
      Scan(a, b, w, bp, bq, bl);
    }
    if (bl > 0)
      Relocate(a, b, bp, bq, bl);
    Snap(a, b, bp, bq, bl);
    if (bl <= T && !(bl == 1 && Brk(At(a, bp)))) {
      Add(b, Second);
      Add(a, First);
      return;
    }
    if (bp > 1 && bq > 1) {
      DiffRange(Sub(a, 1, bp - 1), Sub(b, 1, bq - 1));
    } else {
      if (bq > 1)
        Add(Sub(b, 1, bq - 1), Second);
      if (bp > 1)
        Add(Sub(a, 1, bp - 1), First);
    }
    Add(Sub(a, bp, bp + bl - 1), Equal);
    if (bp + bl <= na && bq + bl <= nb) {
      DiffRange(Sub(a, bp + bl, na), Sub(b, bq + bl, nb));
    } else {
      if (bq + bl <= nb)
        Add(Sub(b, bq + bl, nb), Second);
      if (bp + bl <= na)
        Add(Sub(a, bp + bl, na), First);
    }
  }

  static void Snap(const std::string &a, const std::string &b, long &p, long &q, long &l) {
    long last = 0;
    for (long k = p + l - 1; k >= p && last == 0; --k)
      if (Brk(At(a, k)))
        last = k;
    if (last == 0)
      return;
    const long e = last + 1, h = e - p;
    long s = p;
    if (!(p == 1 || Brk(At(a, p - 1)) || q == 1 || Brk(At(b, q - 1)))) {
      while (s < e && !Brk(At(a, s)))
        ++s;
      while (s < e && Brk(At(a, s)))
        ++s;
    }
    if (s < e) {
      q += s - p;
      l = e - s;
      p = s;
      return;
    }
    const long r = p + l - e;
    if (h < r) {
      p = e;
      q += h;
      l = r;
    } else {
      l = h;
    }
  }
};
