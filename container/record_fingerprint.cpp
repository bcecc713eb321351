#include "container/record_fingerprint.h"

#include <cstring>
#include <span>

namespace qel {
namespace {

class Fnv1a {
 public:
  void add(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) hash_ = (hash_ ^ byte) * 0x100000001B3;
  }
  template <typename Value>
  void addValue(const Value& value) {
    std::uint8_t bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    add(bytes);
  }
  template <std::size_t N>
  void addText(const FixedText<N>& text) {
    for (const char16_t unit : text.view()) addValue(unit);
    addValue(text.view().size());
  }
  // An empty block differs from no block.
  void addBlock(const std::optional<Bytes>& block) {
    addValue(block.has_value());
    if (!block) return;
    addValue(block->size());
    add(*block);
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325;
};

}  // namespace

std::uint64_t recordFingerprint(const ContainerRecord& r) {
  Fnv1a hash;
  hash.addText(r.containerName);
  hash.addText(r.description);
  hash.addText(r.makerName);
  hash.addValue(r.reservedValue);
  hash.addValue(r.lengthMm);
  hash.addValue(r.createdTime);
  hash.addValue(r.typeIndex);
  hash.addValue(r.sideViewReserved1);
  hash.addValue(r.sideViewReserved2);
  hash.addValue(r.textureWidth);
  hash.addValue(r.textureHeight);
  hash.addValue(r.modelVertexCount);
  hash.addBlock(r.textureData);
  hash.addBlock(r.modelData);
  hash.addBlock(r.sideViewData);
  return hash.value();
}

}  // namespace qel
