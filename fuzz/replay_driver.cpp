// Stands in for libFuzzer where it is not linked: runs every file named on
// the command line, or found below a named directory, through the target
// once. A finding aborts, so the test that runs this driver fails.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsBelow(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(path)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  } else if (std::filesystem::is_regular_file(path)) {
    inputs.push_back(path);
  }
  // A fixed order: a failure is reproduced by the same run.
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

void Replay(const std::filesystem::path& input) {
  std::ifstream file(input, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // Named before it runs: a sanitizer report ends the process without a word.
  std::fprintf(stderr, "replay %s\n", input.string().c_str());
  // An exact-size copy, so a read past the input is caught like under libFuzzer.
  std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  data.shrink_to_fit();
  static const std::uint8_t kNothing = 0;
  LLVMFuzzerTestOneInput(data.empty() ? &kNothing : data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int argument = 1; argument < argc; ++argument) {
    for (const auto& input : InputsBelow(argv[argument])) {
      Replay(input);
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs without a finding\n", replayed);
  // Nothing to replay means a wrong path, not a clean corpus.
  return replayed > 0 ? 0 : 1;
}
