#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/progress.h"
#include "base/result.h"
#include "container/container_format.h"
#include "container/container_record.h"
#include "platform/write_failure.h"

namespace qel {

// The outcome of a save.
struct ContainerSave {
  enum class Refusal {
    None,
    TooLarge,     // the file would reach kContainerFileLimit; nothing was written
    WriteFailed,  // the file could not be written; cause says why
    Cancelled,    // the caller's Progress stopped it
  };
  Refusal refusal = Refusal::None;
  std::uint64_t fileSize = 0;  // of the file written, or that would have been
  platform::WriteFailure cause = platform::WriteReason::None;
  bool ok() const { return refusal == Refusal::None; }
};

// Saves record as a scrambled container file at path, replacing it atomically, with
// createdTime written in place of the record's own; the record is not changed, so that the
// caller stores the time once the save has been made. The seed is tickCount's low 24 bits.
// progress hears of the bytes written after each block. After a refusal an earlier file at
// path stays as it was.
ContainerSave serializeContainer(const ContainerRecord& record, std::u16string_view path,
                                 std::uint32_t tickCount, std::int64_t createdTime,
                                 Progress& progress = noProgress());

enum class ContainerFileRefusal {
  None,
  Unreadable,     // missing, empty, or a read failed
  TooLarge,       // kContainerFileLimit bytes or more
  NotAContainer,  // the first bytes name neither form
  Damaged,        // a chunk runs past the end or the end chunk is missing
};

struct ContainerFileOpening {
  ContainerFileRefusal refusal = ContainerFileRefusal::None;
  std::uint64_t fileSize = 0;        // once the file could be opened
  std::optional<std::int32_t> seed;  // the header's seed; nothing for a file of the plain form
};

// Why a container file was refused, in one line of English; empty when it was not.
std::string englishText(const ContainerFileOpening& opening);

// Why a save was refused, in one line of English ("cannot be written: read-only");
// empty when it was not.
std::string englishText(const ContainerSave& save);

// Opens the container file at path: reads it piece by piece and parses it into record. After any
// refusal record stays exactly as it was.
ContainerFileOpening openContainerFile(ContainerRecord& record, std::u16string_view path,
                                       const TextChunkObserver& observeText = {});

}  // namespace qel
