// The short form of a fuzz target, for the suite: every file of the corpus
// folder, then a fixed series of mutations of them (bit flips, inserted,
// deleted and replaced bytes, chunks spliced from another file). The seed
// is fixed, so a failure repeats; CORVANE_FUZZ_RUNS sets how many
// mutations (2000 by default), CORVANE_FUZZ_SEED another seed. An input
// that ends in an exception is written to fuzz-failure.bin in the working
// folder before the run fails; a crash or a sanitizer report ends the
// program as in libFuzzer.
//
//   fuzz_<target> <corpus folder>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

// libFuzzer's smallest bound on an input grown from a corpus; larger when a
// corpus file is.
constexpr size_t kMinMaxSize = 4096;

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

std::vector<Bytes> ReadCorpus(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<Bytes> corpus;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return corpus;
}

size_t Below(std::mt19937& random, size_t bound) {
  return bound == 0 ? 0 : std::uniform_int_distribution<size_t>(0, bound - 1)(random);
}

void Splice(Bytes& input, const Bytes& other, std::mt19937& random) {
  if (other.empty()) return;
  const size_t from = Below(random, other.size());
  const size_t length = 1 + Below(random, std::min<size_t>(other.size() - from, 64));
  const auto chunk = other.begin() + static_cast<std::ptrdiff_t>(from);
  input.insert(input.begin() + static_cast<std::ptrdiff_t>(Below(random, input.size() + 1)), chunk,
               chunk + static_cast<std::ptrdiff_t>(length));
}

// One edit of input; `other` is a corpus entry to splice from.
void MutateOnce(Bytes& input, const Bytes& other, std::mt19937& random) {
  const auto at = [&](size_t extra) { return Below(random, input.size() + extra); };
  const auto byte = [&] { return static_cast<uint8_t>(Below(random, 256)); };
  switch (Below(random, input.empty() ? 2 : 5)) {
    case 0:
      input.insert(input.begin() + static_cast<std::ptrdiff_t>(at(1)), byte());
      break;
    case 1:
      Splice(input, other, random);
      break;
    case 2:
      input[at(0)] ^= static_cast<uint8_t>(1u << Below(random, 8));
      break;
    case 3:
      input[at(0)] = byte();
      break;
    default:
      input.erase(input.begin() + static_cast<std::ptrdiff_t>(at(0)));
      break;
  }
}

Bytes Mutant(const std::vector<Bytes>& corpus, size_t maxSize, std::mt19937& random) {
  Bytes input = corpus[Below(random, corpus.size())];
  const Bytes& other = corpus[Below(random, corpus.size())];
  const size_t edits = 1 + Below(random, 4);
  for (size_t i = 0; i < edits; ++i) MutateOnce(input, other, random);
  if (input.size() > maxSize) input.resize(maxSize);
  return input;
}

// Runs one input; false (with the input saved) when it threw.
bool Execute(const Bytes& input) {
  try {
    LLVMFuzzerTestOneInput(input.data(), input.size());
    return true;
  } catch (const std::exception& error) {
    std::cerr << "unexpected exception: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "unexpected exception of an unknown type\n";
  }
  std::ofstream("fuzz-failure.bin", std::ios::binary)
      .write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
  std::cerr << "the input is in " << std::filesystem::absolute("fuzz-failure.bin") << '\n';
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " <corpus folder>\n";
    return 64;
  }
  const std::vector<Bytes> corpus = ReadCorpus(argv[1]);
  if (corpus.empty()) {
    std::cerr << argv[1] << ": the corpus is empty\n";
    return 1;
  }
  for (const Bytes& input : corpus) {
    if (!Execute(input)) return 1;
  }
  size_t maxSize = kMinMaxSize;
  for (const Bytes& input : corpus) maxSize = std::max(maxSize, input.size());
  const unsigned long runs = EnvironmentNumber("CORVANE_FUZZ_RUNS", 2000);
  std::mt19937 random(static_cast<std::mt19937::result_type>(EnvironmentNumber("CORVANE_FUZZ_SEED", 1)));
  for (unsigned long i = 0; i < runs; ++i) {
    if (!Execute(Mutant(corpus, maxSize, random))) return 1;
  }
  std::cout << std::filesystem::path(argv[0]).stem().string() << ": " << corpus.size() + runs << " executions ("
            << corpus.size() << " corpus files, " << runs << " mutations)\n";
  return 0;
}
