// Feeds arbitrary bytes to the container reader. A refused file must leave the record as
// it was; a loaded one must have terminated texts and survive writing and reading back.
#include <cstdint>
#include <cstdlib>

#include "container/container_format.h"

namespace {

qel::ContainerRecord earlierRecord() {
  qel::ContainerRecord record;
  record.containerName.assign(u"earlier");
  record.modelData = qel::Bytes{100, 0, 0, 0};
  record.typeIndex = 3;
  return record;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::Bytes bytes(data, data + size);
  const qel::ContainerRecord earlier = earlierRecord();
  qel::ContainerRecord record = earlier;
  if (qel::failed(qel::parseContainerFile(record, bytes))) {
    check(record == earlier);
    return 0;
  }
  check(record.containerName.units().back() == u'\0');
  check(record.description.units().back() == u'\0');
  check(record.makerName.units().back() == u'\0');

  const auto file = qel::serializeContainerBytes(record, 0x123456);
  check(file.has_value());
  qel::Bytes again = *file;
  qel::ContainerRecord reloaded;
  check(!qel::failed(qel::parseContainerFile(reloaded, again)));
  check(qel::serializeContainerBytes(reloaded, 0x123456) == file);
  return 0;
}
