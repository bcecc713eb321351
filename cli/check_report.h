#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "base/diagnostic.h"

namespace qel::cli {

// What check prints, as the problems come: as text, a problem that one file repeats is
// given once with its count and first lines, each file ends with a summary line (or "OK"),
// and several files with a total; as JSON, one object per problem and the summary. Holds
// no more than one file's groups of problems, whatever the input.
class CheckReport {
 public:
  enum class Form { Text, Json };
  CheckReport(std::ostream& out, Form form, bool quiet);

  void beginFile(std::u16string_view path);
  void add(const Diagnostic& problem);
  void endFile();
  // Ends the report; answers whether any error (or, strictly, any problem) was found.
  bool finish(bool strict);

 private:
  struct Group {
    Diagnostic first;
    std::uint64_t count = 0;
    std::vector<std::uint32_t> lines;  // the first few
  };
  void printGroup(const Group& group);

  std::ostream& out_;
  Form form_;
  bool quiet_;
  std::u16string path_;
  std::vector<Group> groups_;
  std::uint64_t fileErrors_ = 0, fileWarnings_ = 0;
  std::uint64_t errors_ = 0, warnings_ = 0, files_ = 0;
  bool firstProblem_ = true;
  std::string filesJson_;
};

}  // namespace qel::cli
