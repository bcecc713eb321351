#include "cli/check_report.h"

#include <nlohmann/json.hpp>

#include <algorithm>

#include "base/utf.h"
#include "model/refusal_text.h"
#include "repair/repairable_codes.h"

namespace qel::cli {
namespace {

constexpr std::size_t kLinesShown = 3;

const char* severityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::string counted(std::uint64_t count, const char* what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

std::string dumped(const nlohmann::ordered_json& json) {
  return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

nlohmann::ordered_json asJson(const Diagnostic& d) {
  return {{"file", toUtf8(d.file)},
          {"line", d.line > 0 ? nlohmann::ordered_json(d.line) : nlohmann::ordered_json(nullptr)},
          {"severity", severityName(d.severity)},
          {"code", d.code},
          {"message", d.message},
          {"repairMends", repairMends(d.code)}};
}

}  // namespace

CheckReport::CheckReport(std::ostream& out, Form form, bool quiet)
    : out_(out), form_(form), quiet_(quiet) {
  if (form_ == Form::Json) out_ << "{\n  \"problems\": [";
}

void CheckReport::beginFile(std::u16string_view path) {
  path_ = path;
  groups_.clear();
  fileErrors_ = fileWarnings_ = 0;
}

void CheckReport::add(const Diagnostic& problem) {
  ++(problem.severity == Severity::Error ? fileErrors_ : fileWarnings_);
  if (form_ == Form::Json) {
    out_ << (firstProblem_ ? "\n    " : ",\n    ") << dumped(asJson(problem));
    firstProblem_ = false;
    return;
  }
  const auto same = std::find_if(groups_.begin(), groups_.end(), [&](const Group& group) {
    return group.first.code == problem.code && group.first.file == problem.file;
  });
  Group& group = same != groups_.end() ? *same : groups_.emplace_back(Group{problem, 0, {}});
  ++group.count;
  if (problem.line > 0 && group.lines.size() < kLinesShown) group.lines.push_back(problem.line);
}

// "FILE:LINE: SEVERITY: MESSAGE [CODE]", as compilers report; a repeated problem once, with
// its count and first lines.
void CheckReport::printGroup(const Group& group) {
  const Diagnostic& d = group.first;
  out_ << displayPath(d.file);
  if (group.count == 1 && d.line > 0) out_ << ":" << d.line;
  out_ << ": " << severityName(d.severity) << ": " << d.message;
  if (repairMends(d.code)) out_ << " (the repair mends this: --repair)";
  out_ << " [" << d.code << "]";
  if (group.count > 1) {
    out_ << ": " << group.count << (group.lines.empty() ? " times" : " lines, first ");
    for (std::size_t i = 0; i < group.lines.size(); ++i) out_ << (i ? ", " : "") << group.lines[i];
  }
  out_ << "\n";
}

void CheckReport::endFile() {
  ++files_;
  errors_ += fileErrors_;
  warnings_ += fileWarnings_;
  if (form_ == Form::Json) {
    filesJson_ +=
        (filesJson_.empty() ? "\n    " : ",\n    ") +
        dumped({{"file", toUtf8(path_)}, {"errors", fileErrors_}, {"warnings", fileWarnings_}});
    return;
  }
  for (const Group& group : groups_) printGroup(group);
  if (fileErrors_ + fileWarnings_ == 0) {
    if (!quiet_) out_ << displayPath(path_) << ": OK\n";
  } else {
    out_ << displayPath(path_) << ": " << counted(fileErrors_, "error") << ", "
         << counted(fileWarnings_, "warning") << "\n";
  }
}

bool CheckReport::finish(bool strict) {
  if (form_ == Form::Json) {
    out_ << (firstProblem_ ? "],\n" : "\n  ],\n") << "  \"files\": [" << filesJson_
         << (filesJson_.empty() ? "],\n" : "\n  ],\n") << "  \"errors\": " << errors_
         << ",\n  \"warnings\": " << warnings_ << "\n}\n";
  } else if (files_ > 1) {
    out_ << counted(files_, "file") << " checked: " << counted(errors_, "error") << ", "
         << counted(warnings_, "warning") << "\n";
  }
  return errors_ > 0 || (strict && warnings_ > 0);
}

}  // namespace qel::cli
