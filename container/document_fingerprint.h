#pragma once

#include <cstdint>

#include "container/container_record.h"

namespace qel {

// One number for everything of the record that its file keeps: two records with the same
// fingerprint hold the same part (FNV-1a, 64 bits). The load flags take no part.
std::uint64_t documentFingerprint(const ContainerRecord& record);

}  // namespace qel
