// Runs qelcontainer-cli pack with arbitrary arguments (the input's bytes split at each 0)
// over fixed input files in memory. Every run must end with an exit code of the tool; a
// refusal must say why and write nothing; a success must write a container that reads
// back complete.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "container/container_format.h"
#include "container/container_record.h"
#include "platform/os.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/memory_file_system.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The same seed and time for every run, so that a run can be repeated.
class FixedClock final : public qel::platform::Clock {
 public:
  std::uint32_t tickMilliseconds() override { return 4711; }
  std::int64_t calendarSeconds() override { return 1700000000; }
};

void addInputs(qel::test::MemoryFileSystem& files) {
  using namespace qel::test;
  files.add(u"m.bin", modelBlobOf(3, 3));
  files.add(u"t.png", pngOf(256, 128));
  files.add(u"s.png", pngOf(200, 64));
  files.add(u"big.png", pngOf(257, 8));
  files.addText(u"m.obj",
                "mtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nusemtl a\nf 1/1 2/1 3/1\n");
  files.addText(u"m.mtl", "newmtl a\nmap_Kd t.png\n");
}

std::vector<std::string> argumentsOf(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kMostArguments = 40;
  std::vector<std::string> args = {"pack"};
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty() && args.size() < kMostArguments) {
    const std::size_t end = rest.find('\0');
    // The watch packs until it is interrupted, so a run with it would never end.
    if (!rest.substr(0, end).starts_with("--watch")) args.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FixedClock clock;
  qel::platform::useClock(&clock);
  qel::test::MemoryFileSystem files;
  addInputs(files);

  std::ostringstream out, err;
  // Built once in a while: building the parser of every subcommand cost more than most
  // runs, and CLI11's clear() keeps the order of parsed options, one pointer an option.
  static std::unique_ptr<qel::cli::CommandLine> commandLine;
  static int runsOfThisParser = 0;
  if (!commandLine || ++runsOfThisParser == 10000) {
    commandLine = std::make_unique<qel::cli::CommandLine>();
    runsOfThisParser = 0;
  }
  const int code = commandLine->run(argumentsOf(data, size), out, err);
  check(code == 0 || code == 1 || code == 2);
  if (code != 0) {
    check(files.written.empty());
    check(!err.str().empty() && err.str().back() == '\n');
    return 0;
  }
  for (const std::u16string& path : files.written) {
    qel::Bytes written = *files.find(path);
    qel::ContainerRecord record;
    check(!qel::failed(qel::parseContainerFile(record, written)));
    check(qel::checkSaveReady(record).ready());
  }
  return 0;
}
