#pragma once

#include <cstdint>
#include <string_view>

#include "container/container_format.h"
#include "container/container_record.h"

namespace qel {

// The one open part: the record, which is only what its file holds, and what the program
// knows about it beside the record.
class Document {
 public:
  const ContainerRecord& record() const { return record_; }
  // The record, to be changed. Every change bumps the revision, which the preview and the
  // unsaved-changes question read to learn cheaply that nothing has changed.
  ContainerRecord& change() {
    ++revision_;
    return record_;
  }
  std::uint64_t revision() const { return revision_; }

  // A file of the given form was opened into the record.
  void opened(ContainerForm form);
  // The record was emptied for a new part.
  void madeNew();

  // Makes the maker the workshop name, unless a plain file was opened since the last new
  // part: such a part keeps its maker and its creation time. Answers whether it changed.
  bool sign(std::u16string_view workshopName);
  // The creation time a save made at now writes.
  std::int64_t createdTimeOnSave(std::int64_t now) const {
    return plainFileOpened_ ? record_.createdTime : now;
  }

 private:
  ContainerRecord record_;
  std::uint64_t revision_ = 0;
  bool plainFileOpened_ = false;
};

}  // namespace qel
