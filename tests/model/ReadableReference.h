// The readable pass written the plain way, on copied strings: each slide tried a byte at a time
// against the whole text of the moving piece's file, and folds repeated over the whole list
// until none is left. The tests hold the pass to it piece for piece.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct TRefPiece {
  std::int32_t Kind; // 0 shared, 1 first file only, 2 second file only
  std::string Text;
  bool operator==(const TRefPiece &) const = default;
};
using TRefPieces = std::vector<TRefPiece>;

class ReadableReference {
public:
  static TRefPieces Slide(TRefPieces p) {
    for (std::size_t x = 1; x + 1 < p.size(); ++x) {
      if (p[x].Kind == 0 || p[x - 1].Kind != 0 || p[x + 1].Kind != 0)
        continue;
      const long d = Distance(p, x);
      for (long k = 0; k < d; ++k) // right: E1 takes X's first byte, X rotates
        p[x - 1].Text += p[x].Text[0], p[x].Text = p[x].Text.substr(1) + p[x].Text[0],
                                       p[x + 1].Text.erase(0, 1);
      for (long k = 0; k < -d; ++k) // left: E2 takes X's last byte, X rotates back
        p[x + 1].Text.insert(0, 1, p[x].Text.back()),
            p[x].Text = p[x].Text.back() + p[x].Text.substr(0, p[x].Text.size() - 1),
            p[x - 1].Text.pop_back();
      if (p[x + 1].Text.empty())
        p.erase(p.begin() + static_cast<long>(x) + 1);
      if (p[x - 1].Text.empty())
        p.erase(p.begin() + static_cast<long>(--x));
    }
    return p;
  }

  static TRefPieces Fold(const TRefPieces &p) {
    // Changes (deleted, inserted) and shared runs, alternating.
    struct Item {
      bool change;
      std::string shared, del, ins;
    };
    std::vector<Item> items;
    for (const TRefPiece &piece : p) {
      const bool change = piece.Kind != 0;
      if (items.empty() || items.back().change != change)
        items.push_back({change, {}, {}, {}});
      (piece.Kind == 0   ? items.back().shared
       : piece.Kind == 2 ? items.back().del
                         : items.back().ins) += piece.Text;
    }
    for (bool folded = true; folded;) {
      folded = false;
      for (std::size_t k = 1; k + 1 < items.size() && !folded; ++k) {
        const Item &before = items[k - 1], &e = items[k], &after = items[k + 1];
        if (e.change || e.shared.find_first_of("\r\n") != std::string::npos ||
            e.shared.size() > std::max(before.del.size(), before.ins.size()) ||
            e.shared.size() > std::max(after.del.size(), after.ins.size()))
          continue;
        Item merged{true, {}, before.del + e.shared + after.del, before.ins + e.shared + after.ins};
        items.erase(items.begin() + static_cast<long>(k) - 1,
                    items.begin() + static_cast<long>(k) + 2);
        items.insert(items.begin() + static_cast<long>(k) - 1, merged);
        folded = true;
      }
    }
    TRefPieces out;
    for (const Item &item : items) {
      if (!item.change)
        out.push_back({0, item.shared});
      if (!item.del.empty())
        out.push_back({2, item.del});
      if (!item.ins.empty())
        out.push_back({1, item.ins});
    }
    return out;
  }

private:
  // The text of X's file, and where X stands in it.
  static std::string FileText(const TRefPieces &p, std::size_t x, std::size_t &at) {
    std::string text;
    for (std::size_t k = 0; k < p.size(); ++k) {
      if (k == x)
        at = text.size();
      if (p[k].Kind == 0 || p[k].Kind == p[x].Kind)
        text += p[k].Text;
    }
    return text;
  }

  static bool EndsLine(const std::string &t, long i) { // the text up to and including i
    return t[static_cast<std::size_t>(i)] == '\n' ||
           (t[static_cast<std::size_t>(i)] == '\r' &&
            (static_cast<std::size_t>(i) + 1 == t.size() ||
             t[static_cast<std::size_t>(i) + 1] != '\n'));
  }

  static long Distance(const TRefPieces &p, std::size_t x) {
    std::size_t at = 0;
    const std::string t = FileText(p, x, at);
    const long n = static_cast<long>(p[x].Text.size()), start = static_cast<long>(at);
    const long e1 = static_cast<long>(p[x - 1].Text.size()),
               e2 = static_cast<long>(p[x + 1].Text.size());
    const auto aligned = [&](long pos) {
      return EndsLine(t, pos + n - 1) && (pos == 0 || EndsLine(t, pos - 1));
    };
    if (aligned(start))
      return 0;
    // The places reachable each way, then the nearest aligned one, the right one on a tie.
    long right = 0, left = 0;
    while (right < e2 && t[static_cast<std::size_t>(start + right)] ==
                             t[static_cast<std::size_t>(start + right + n)])
      ++right;
    while (left < e1 && t[static_cast<std::size_t>(start - left - 1)] ==
                            t[static_cast<std::size_t>(start - left + n - 1)])
      ++left;
    for (long d = 1; d <= std::max(right, left); ++d) {
      if (d <= right && aligned(start + d))
        return d;
      if (d <= left && aligned(start - d))
        return -d;
    }
    return 0;
  }
};
