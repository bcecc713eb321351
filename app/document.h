#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/watched_sources.h"
#include "base/fixed_text.h"
#include "container/container_format.h"
#include "container/container_record.h"

namespace qel {

class RecordChange;

// The one open part: the record, which is only what its file holds, and everything the
// program knows of the part beside it. Starting a part replaces all of it at once, so
// nothing of one part reaches the next.
class Document {
 public:
  const ContainerRecord& record() const { return part_.record; }
  // The record, for a change made in one step that cannot fail part-way; a change of more
  // steps goes through a RecordChange. Every change moves the revision, which the preview
  // and the unsaved-changes question read to learn cheaply that nothing has changed.
  ContainerRecord& change() {
    ++revision_;
    return part_.record;
  }
  std::uint64_t revision() const { return revision_; }

  // A new, empty part signed with the workshop name. The path stays: the window keeps
  // showing it and the next save proposes it.
  void startNew(std::u16string_view workshopName);
  // The part of the file at path, opened in the given form.
  void startOpened(ContainerRecord record, ContainerForm form, std::u16string_view path);

  // The file last opened or saved.
  std::u16string_view path() const { return part_.path.view(); }
  // The record was written to path: nothing is left to lose.
  void savedAs(std::u16string_view path);
  // Whether the record differs from what was last opened, saved or made new. A change
  // undone by hand (a name typed and typed back) leaves nothing to lose.
  bool hasUnsavedChanges() const;

  // Makes the maker the workshop name, unless a plain file was opened since the last new
  // part: such a part keeps its maker and its creation time. Answers whether it changed.
  bool sign(std::u16string_view workshopName);
  // The creation time a save made at now writes.
  std::int64_t createdTimeOnSave(std::int64_t now) const {
    return part_.plainFileOpened ? part_.record.createdTime : now;
  }

  // The files the model, the texture and the side view were set from.
  WatchedSources& sources() { return part_.sources; }
  // Whether the side view was generated from a model rather than set from a file.
  bool sideViewGenerated() const { return part_.sideViewGenerated; }
  void noteSideViewGenerated(bool generated) { part_.sideViewGenerated = generated; }

 private:
  friend class RecordChange;

  struct Part {
    ContainerRecord record;
    bool plainFileOpened = false;
    PathText path;
    // The record's fingerprint and revision when it was last opened, saved or made new;
    // until the first part starts there is nothing to lose.
    std::optional<std::uint64_t> savedFingerprint;
    std::uint64_t savedRevision = 0;
    WatchedSources sources;
    bool sideViewGenerated = false;
  };

  void start(Part part);
  void markSaved();
  bool signs() const { return !part_.plainFileOpened; }

  Part part_;
  std::uint64_t revision_ = 0;
};

// A change of several steps, made on a copy of the record that replaces the document's only
// when committed: a change dropped, or cut off by a failure such as running out of memory,
// leaves the record and its revision as they were.
class RecordChange {
 public:
  explicit RecordChange(Document& document) : document_(document), draft_(document.record()) {}
  RecordChange(const RecordChange&) = delete;
  RecordChange& operator=(const RecordChange&) = delete;

  ContainerRecord& record() { return draft_; }
  // Signs the copy by the document's rule (Document::sign). Answers whether it changed.
  bool sign(std::u16string_view workshopName);
  void commit();

 private:
  Document& document_;
  ContainerRecord draft_;
};

}  // namespace qel
