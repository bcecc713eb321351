#include "model/store_model.h"

#include "base/little_endian.h"
#include "model/model_blob.h"

namespace qel {

bool isModelBlob(std::span<const std::uint8_t> blob) {
  return blob.size() >= kModelBlobHeaderSize && readLe32(blob.data()) == kModelBlobSignature;
}

Result storeModel(ContainerRecord& record, std::span<const std::uint8_t> blob) {
  if (!isModelBlob(blob)) return kFailure;
  return adoptModel(record, Bytes(blob.begin(), blob.end()));
}

Result adoptModel(ContainerRecord& record, Bytes&& blob) {
  if (!isModelBlob(blob)) return kFailure;
  record.modelVertexCount = readLe32(blob.data() + 8);
  record.modelData = std::move(blob);
  return kSuccess;
}

}  // namespace qel
