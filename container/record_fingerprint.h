#pragma once

#include <cstdint>

#include "container/container_record.h"

namespace qel {

// One number for everything of the record that its file keeps: two records with the same
// fingerprint hold the same part (FNV-1a, 64 bits).
std::uint64_t recordFingerprint(const ContainerRecord& record);

}  // namespace qel
