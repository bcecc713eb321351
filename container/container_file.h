#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/result.h"
#include "container/container_format.h"
#include "container/container_record.h"

namespace qel {

// Saves record as a scrambled container file at path, replacing it atomically. The seed
// is tickCount's low 24 bits. createdTime becomes now, before the write and whatever its
// outcome, unless a plain file was loaded. kFailure when the file could not be built or
// written; an earlier file at path then stays as it was.
Result serializeContainer(ContainerRecord& record, std::u16string_view path,
                          std::uint32_t tickCount, std::int64_t now);

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
  std::optional<std::int32_t> seed;  // the header's seed of a scrambled file
};

// Loads the container file at path into record, reading it piece by piece. After any
// refusal record stays exactly as it was.
ContainerFileOpening openContainerFile(ContainerRecord& record, std::u16string_view path,
                                       const TextChunkObserver& observeText = {});

}  // namespace qel
