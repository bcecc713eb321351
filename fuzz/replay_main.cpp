// Without libFuzzer, a fuzz target replays the inputs kept for it: each file given, and every
// file in each folder given, once, in name order. A fault aborts as it would under the fuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(int argc, char* argv[]) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path given(argv[i]);
    if (!std::filesystem::is_directory(given)) {
      inputs.push_back(given);
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(given)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::filesystem::path> inputs = inputsOf(argc, argv);
  // No inputs at all would pass without proving anything.
  if (inputs.empty()) {
    std::fputs("no inputs to replay\n", stderr);
    return 1;
  }
  for (const std::filesystem::path& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
      return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    // libFuzzer never hands over a null pointer, even for an empty input.
    static const std::uint8_t nothing = 0;
    LLVMFuzzerTestOneInput(
        bytes.empty() ? &nothing : reinterpret_cast<const std::uint8_t*>(bytes.data()),
        bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
