#include "check/container_check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "base/number_text.h"
#include "base/utf.h"
#include "container/container_file.h"
#include "container/container_format.h"
#include "dialogs/container_type_table.h"
#include "dialogs/parameter_dialog.h"
#include "image/png_check.h"
#include "model/model_blob_view.h"
#include "model/model_scale.h"

namespace qel {
namespace {

class ContainerProblems {
 public:
  explicit ContainerProblems(std::u16string_view path) : path_(path) {}

  void error(const char* code, std::string what) { add(Severity::Error, code, std::move(what)); }
  void warning(const char* code, std::string what) {
    add(Severity::Warning, code, std::move(what));
  }
  std::vector<Diagnostic> take() { return std::move(found_); }

 private:
  void add(Severity severity, const char* code, std::string what) {
    found_.push_back({std::u16string(path_), 0, severity, code, std::move(what)});
  }
  std::u16string_view path_;
  std::vector<Diagnostic> found_;
};

struct TextField {
  ContainerChunkTag tag;
  const char* name;
  std::size_t units;
};
constexpr TextField kTextFields[] = {
    {kContainerNameChunk, "container name", decltype(ContainerRecord::containerName)::kCapacity},
    {kDescriptionChunk, "description", decltype(ContainerRecord::description)::kCapacity},
    {kMakerNameChunk, "maker name", decltype(ContainerRecord::makerName)::kCapacity},
};

// Whether the last stored chunk of each text field held a terminator: a later chunk of the
// same field replaces what an earlier one left, cut or not.
class StoredTerminators {
 public:
  void note(ContainerChunkTag tag, bool terminated) { last_[tag] = terminated; }

  void check(ContainerProblems& problems) const {
    for (const TextField& field : kTextFields) {
      const auto found = last_.find(field.tag);
      if (found == last_.end() || found->second) continue;
      problems.warning("container.text-unterminated",
                       std::string("the ") + field.name + " fills its " +
                           std::to_string(field.units) +
                           " units without a terminator: its last unit is dropped");
    }
  }

 private:
  std::map<ContainerChunkTag, bool> last_;
};

std::string sizeText(const PngSize& size) {
  return std::to_string(size.width) + " x " + std::to_string(size.height);
}

void checkImage(const std::optional<Bytes>& data, const char* what, ContainerProblems& problems) {
  if (!data) {
    problems.warning("container.block-missing", std::string("holds no ") + what);
    return;
  }
  const ImageCheck image = checkContainerImage(*data);
  if (image.problem == ImageProblem::NotPng) {
    problems.warning("container.image-not-png", std::string("the ") + what + " is not a PNG file");
  } else if (image.problem == ImageProblem::TooLarge) {
    problems.warning("container.image-too-large",
                     std::string("the ") + what + " is " + englishText(image));
  }
}

void checkLength(const ContainerRecord& r, ModelUnit unit, ContainerProblems& problems) {
  const auto extent = modelExtent(*r.modelData);
  // A model of no length says nothing of its unit.
  if (!extent || !(extent->length > 0.0) || !(r.lengthMm > 0.0f)) return;
  const double length = extent->length * millimetresPer(unit);
  const double off = lengthOffBy(extent->length, unit, r.lengthMm);
  if (off <= kLengthTolerance) return;
  const auto text = [](std::u16string number) { return toUtf8(number); };
  problems.warning("container.length-differs",
                   "the model is " + text(threeFigures(extent->length)) + " units long, " +
                       text(wholeNumberText(length)) +
                       " mm at 1 unit = " + text(decimalText(millimetresPer(unit))) +
                       " mm, where the part is " + text(wholeNumberText(r.lengthMm)) +
                       " mm long (off by " + text(wholeNumberText(off * 100.0)) + "%)");
}

void checkRecord(const ContainerRecord& r, ModelUnit unit, ContainerProblems& problems) {
  if (!r.modelData) {
    problems.warning("container.block-missing", "holds no model");
  } else {
    const ModelBlobReading blob = readModelBlob(*r.modelData);
    if (!blob.view) {
      problems.error(blob.code, blob.problem);
    } else if (blob.view->trailingBytes() > 0) {
      problems.warning("blob.trailing-bytes", "the model blob goes on for " +
                                                  std::to_string(blob.view->trailingBytes()) +
                                                  " bytes after its indices");
    }
    if (blob.view) checkLength(r, unit, problems);
  }
  checkImage(r.textureData, "texture", problems);
  PngSize size;
  if (r.textureData && !failed(readPngSize(*r.textureData, size)) &&
      (size.width != r.textureWidth || size.height != r.textureHeight)) {
    problems.warning("container.texture-size-mismatch",
                     "the texture chunk says " + std::to_string(r.textureWidth) + " x " +
                         std::to_string(r.textureHeight) + " pixels, its PNG " + sizeText(size));
  }
  checkImage(r.sideViewData, "side view", problems);

  if (std::find(kOfferedContainerTypes.begin(), kOfferedContainerTypes.end(), r.typeIndex) ==
      kOfferedContainerTypes.end()) {
    problems.warning("container.type-not-offered",
                     "the type " + std::to_string(r.typeIndex) +
                         " is none that the parameter dialog offers (0 to 5, 9 to 12)");
  }
  if (!(r.lengthMm >= 0.0f && r.lengthMm <= static_cast<float>(kMaxLengthMm))) {
    problems.warning("container.length-out-of-range", "the length " + std::to_string(r.lengthMm) +
                                                          " mm is not a number from 0 to " +
                                                          std::to_string(kMaxLengthMm));
  }
}

}  // namespace

std::vector<Diagnostic> checkContainerFile(std::u16string_view path, ModelUnit unit) {
  ContainerProblems problems(path);
  ContainerRecord record;
  StoredTerminators terminators;
  const ContainerFileOpening opening =
      openContainerFile(record, path, [&terminators](ContainerChunkTag tag, bool terminated) {
        terminators.note(tag, terminated);
      });
  switch (opening.refusal) {
    case ContainerFileRefusal::None:
      terminators.check(problems);
      checkRecord(record, unit, problems);
      break;
    case ContainerFileRefusal::Unreadable:
      problems.error("container.unreadable", englishText(opening));
      break;
    case ContainerFileRefusal::TooLarge:
      problems.error("container.too-large", englishText(opening));
      break;
    case ContainerFileRefusal::NotAContainer:
      problems.error("container.not-container", englishText(opening));
      break;
    case ContainerFileRefusal::Damaged:
      problems.error("container.damaged", englishText(opening));
      break;
  }
  return problems.take();
}

}  // namespace qel
