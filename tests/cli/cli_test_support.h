#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel::test {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

inline CliRun runCliWith(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::runCli(args, out, err);
  return {code, out.str(), err.str()};
}

// A folder holding a model blob, a texture and a side view that pack accepts.
class CliFolder : public TempFolder {
 public:
  CliFolder() {
    write("m.bin", modelBlobOf(36, 60, 64));
    write("t.png", pngOf(256, 128));
    write("s.png", pngOf(200, 64));
  }

  // Joined as text, so that a name which is not UTF-8 stays as given.
  std::string at(std::string_view name) const { return utf8Of(path()) + "/" + std::string(name); }

  // pack arguments for OUT with the inputs above; extra holds option and value pairs that
  // replace the defaults or are added.
  std::vector<std::string> packArgs(std::string_view out,
                                    std::vector<std::string> extra = {}) const {
    std::vector<std::string> args = {
        "pack",      "-o",      at(out),     "--name",    "コキ",      "--maker",
        "山田工房",  "--model", at("m.bin"), "--texture", at("t.png"), "--sideview",
        at("s.png"), "--seed",  "4711",      "--created", "1700000000"};
    for (std::size_t i = 0; i + 1 < extra.size(); i += 2) {
      auto at = std::find(args.begin(), args.end(), extra[i]);
      if (at == args.end()) {
        args.insert(args.end(), {extra[i], extra[i + 1]});
      } else {
        at[1] = extra[i + 1];
      }
    }
    if (extra.size() % 2 == 1) args.push_back(extra.back());
    return args;
  }

  // pack arguments that take model and texture from the OBJ file obj instead.
  std::vector<std::string> packObjArgs(std::string_view out, std::string_view obj) const {
    std::vector<std::string> args = packArgs(out, {"--obj", at(obj)});
    for (const char* option : {"--model", "--texture"}) {
      const auto found = std::find(args.begin(), args.end(), option);
      args.erase(found, found + 2);
    }
    return args;
  }
};

}  // namespace qel::test
