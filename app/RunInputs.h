// The inputs of a comparison run: the two files, the choices that decide the pieces, and how the
// lines are laid out. The main window keeps the ones the commands request and the ones the last
// run used; a run is due when they differ.
#pragma once

#include "Comparison.h"
#include "LineModel.h"

#include <QString>

#include <cstdint>

struct TRunInputs {
  QString ActualPFN, ObsoletePFN;
  TComparisonChoices Choices;
  bool WrapMode = true, HexMode = false;
  std::int32_t View = 0;
  TVLineEnds LineEnds = leAuto;
  bool Utf8 = false; // the text in force is UTF-8: lines count cells

  bool operator==(const TRunInputs &) const = default;

  // Other files or another view need the files read and compared again.
  bool NeedsComparisonAfter(const TRunInputs &last) const {
    return ActualPFN != last.ActualPFN || ObsoletePFN != last.ObsoletePFN || View != last.View;
  }
  // The lines built for last serve these inputs, given the same pieces and width.
  bool SameLinesAs(const TRunInputs &last) const {
    return WrapMode == last.WrapMode && HexMode == last.HexMode && View == last.View &&
           LineEnds == last.LineEnds && Utf8 == last.Utf8;
  }
};
