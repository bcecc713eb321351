#include "model/store_model.h"

#include "model/model_blob.h"

namespace qel {
namespace {
std::uint32_t wordAt(std::span<const std::uint8_t> data, std::size_t at) {
  return std::uint32_t{data[at]} | (std::uint32_t{data[at + 1]} << 8) |
         (std::uint32_t{data[at + 2]} << 16) | (std::uint32_t{data[at + 3]} << 24);
}
}  // namespace

Result storeModel(ContainerRecord& record, std::span<const std::uint8_t> blob) {
  if (blob.size() < 12 || wordAt(blob, 0) != kModelBlobSignature) return kFailure;
  record.modelData = Bytes(blob.begin(), blob.end());  // copied before anything changes
  record.modelVertexCount = wordAt(blob, 8);
  return kSuccess;
}

}  // namespace qel
