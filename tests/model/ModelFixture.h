// A line model fed from a chunk list the test writes piece by piece, with printers so that a
// failing test shows the lines it got.
#pragma once

#include "LineModel.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

enum : std::int32_t { kEqual = 0, kInserted = 1, kDeleted = 2, kUpdated = 3 };

struct Zone {
  std::int32_t kind;
  std::string text;
  bool operator==(const Zone &) const = default;
};

inline void PrintTo(const Zone &z, std::ostream *os) {
  *os << z.kind << ":\u00ab" << z.text << "\u00bb";
}

class ModelFixture : public testing::Test {
protected:
  std::deque<std::string> texts; // the list holds views of these
  TVKindStringList list;
  TVLineModel model;

  void SetUp() override { model.SetSource(&list); }

  void Add(std::int32_t kind, std::string text) {
    list.AddKind(texts.emplace_back(std::move(text)), kind);
  }

  void Build(std::int32_t width, bool hex = false, std::int32_t view = viewBoth) {
    model.SetViewFilter(view);
    model.Clear();
    model.BuildLines(width, hex);
  }

  using Strings = std::vector<std::string>;
  Strings LineTexts() const {
    Strings out;
    for (int i = 0; i < model.LineCount(); ++i)
      out.push_back(model.GetLineText(i));
    return out;
  }
  std::vector<Zone> Zones(int line) const {
    std::vector<Zone> out;
    for (const auto &z : model.LineZones(line))
      out.push_back({z.Kind, std::string(z.Text())});
    return out;
  }
  std::vector<std::int64_t> Starts() const {
    std::vector<std::int64_t> out;
    for (int i = 0; i < model.LineCount(); ++i)
      out.push_back(model.GetLine(i).FStart);
    return out;
  }
  std::vector<std::int32_t> Kinds() const {
    std::vector<std::int32_t> out;
    for (int i = 0; i < model.LineCount(); ++i)
      out.push_back(model.GetLine(i).FKind);
    return out;
  }
};
