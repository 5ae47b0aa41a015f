// What the model's fuzz targets share: a chunk list read from the input.
#pragma once

#include "LineModel.h"

#include <cstdint>
#include <deque>
#include <string>

// Reads chunks as [kind][length][bytes...] until the input runs out.
class FuzzInput {
public:
  FuzzInput(const std::uint8_t *data, std::size_t size) : FData(data), FSize(size) {}
  std::uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  bool More() const { return FPos < FSize; }
  std::string Bytes(std::size_t n) {
    n = std::min(n, FSize - FPos);
    std::string s(reinterpret_cast<const char *>(FData + FPos), n);
    FPos += n;
    return s;
  }
  void Chunks(TVKindStringList &list, std::deque<std::string> &texts) {
    while (More()) {
      const std::int32_t kind = Byte() % 4; // 3 is a kind the engine never writes
      list.AddKind(texts.emplace_back(Bytes(Byte())), kind);
    }
  }

private:
  const std::uint8_t *FData;
  std::size_t FSize, FPos = 0;
};
