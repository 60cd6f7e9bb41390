// Plays every file of the folders (or files) named on the command line through
// the fuzz target, once each, in name order: the committed corpora run in
// make test under the sanitizers without the fuzzing engine. A finding aborts
// the run with the sanitizer's report; the file is named before it runs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Optional, as for the fuzzing engine.
extern "C" [[gnu::weak]] int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> Inputs(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int k = 1; k < argc; ++k) {
    if (fs::is_directory(argv[k])) {
      for (const auto& item : fs::recursive_directory_iterator(argv[k])) {
        if (item.is_regular_file()) files.push_back(item.path());
      }
    } else {
      files.emplace_back(argv[k]);
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  const std::vector<std::filesystem::path> files = Inputs(argc, argv);
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...  (no input found)\n", argv[0]);
    return 2;
  }
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", path.c_str());
      return 2;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::fprintf(stderr, "%s\n", path.c_str());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("replayed %zu inputs\n", files.size());
  return 0;
}
