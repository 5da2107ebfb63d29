// Runs a fuzz target over every file of its corpus folders once, as an
// ordinary test: a crash, a sanitizer report or a broken promise fails it.
// Built without libFuzzer, so every build (gcc too) replays the corpora.

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsUnder(const fs::path &place) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(place)) {
    for (const auto &entry : fs::recursive_directory_iterator(place))
      if (entry.is_regular_file())
        inputs.push_back(entry.path());
  } else if (fs::is_regular_file(place)) {
    inputs.push_back(place);
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::vector<char> contents(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...\n", argv[0]);
    return 2;
  }
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::vector<fs::path> inputs = inputsUnder(argv[i]);
    // An empty or missing corpus would pass without testing anything.
    if (inputs.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const fs::path &input : inputs) {
      // Named first, so a crash's output says which input caused it.
      std::printf("%s\n", input.c_str());
      std::fflush(stdout);
      const std::vector<char> bytes = contents(input);
      // An exact-size heap copy: reading one byte past the input trips AddressSanitizer.
      std::vector<uint8_t> exact(bytes.begin(), bytes.end());
      LLVMFuzzerTestOneInput(exact.data(), exact.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
