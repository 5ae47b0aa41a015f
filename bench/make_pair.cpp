// Writes one generated pair to two files: make_pair SHAPE MEGABYTES NEW OLD
#include "PairGenerator.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
  PairShape shape;
  if (argc != 5 || !ShapeFromName(argv[1], shape)) {
    std::cerr
        << "usage: make_pair identical|clustered|scattered|unrelated|every100|every300|every700 "
           "MEGABYTES NEW OLD\n";
    return 2;
  }
  const auto [first, second] = MakePair(shape, std::strtoull(argv[2], nullptr, 10) << 20);
  std::ofstream(argv[3], std::ios::binary) << first;
  std::ofstream(argv[4], std::ios::binary) << second;
  return 0;
}
