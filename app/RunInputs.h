// The inputs of a comparison run: the two files and how the lines are laid out. The main window
// keeps the ones the commands request and the ones the last run used; a run is due when they
// differ.
#pragma once

#include "Encoding.h"
#include "LineModel.h"

#include <QString>

#include <cstdint>

struct TRunInputs {
  QString ActualPFN, ObsoletePFN;
  bool WrapMode = true, HexMode = false;
  std::int32_t View = 0;
  TVLineEnds LineEnds = leAuto;
  TVEncoding Encoding = TVEncoding::Auto; // as chosen
  bool Utf8 = false;                      // the text in force is UTF-8: lines count cells

  bool operator==(const TRunInputs &) const = default;

  // Other files or another view need the files read and compared again; the layout modes, the
  // line ends and the encoding only need the lines built again.
  bool NeedsComparisonAfter(const TRunInputs &last) const {
    return ActualPFN != last.ActualPFN || ObsoletePFN != last.ObsoletePFN || View != last.View;
  }
};
