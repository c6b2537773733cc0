// Writes a random LINE drawing: gen_random_dxf OUTPUT.DXF [COUNT [SEED]]
// (default 30000 lines in 10000 x 10000, lengths 0..200).
#include <cstdlib>
#include <exception>
#include <iostream>

#include "bench/cadtrace/dxf_generator.h"
#include "common/text_file.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: gen_random_dxf OUTPUT.DXF [COUNT [SEED]]\n";
    return 1;
  }
  cadtrace::bench::RandomLines spec;
  if (argc > 2) spec.count = std::atoi(argv[2]);
  if (argc > 3) spec.seed = std::strtoull(argv[3], nullptr, 10);
  try {
    common::writeFileBytes(argv[1], cadtrace::bench::randomLinesDxf(spec));
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
