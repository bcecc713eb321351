#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "base/fixed_text.h"

namespace qel {

using MakerName = FixedText<16>;

// A container part as its file keeps it. A data block is present exactly when its optional
// holds a value; its byte count is the block's size. Every setter stores its own copy.
struct ContainerRecord {
  FixedText<32> containerName;
  std::int32_t reservedValue = 0;  // carried through files, never edited
  float lengthMm = 0.0f;
  std::int64_t createdTime = 0;  // seconds since 1970-01-01 00:00 UTC
  FixedText<64> description;
  MakerName makerName;
  std::uint32_t typeIndex = 0;  // values from 16 on are kept but not shown
  std::uint32_t sideViewReserved1 = 0;
  std::uint32_t sideViewReserved2 = 0;

  std::optional<Bytes> textureData;  // PNG file bytes
  std::uint16_t textureWidth = 0;
  std::uint16_t textureHeight = 0;

  std::optional<Bytes> modelData;  // a ModelBlob
  std::uint32_t modelVertexCount = 0;

  std::optional<Bytes> sideViewData;  // PNG file bytes

  friend bool operator==(const ContainerRecord&, const ContainerRecord&) = default;
};

// Returns the record to its empty state.
void resetRecord(ContainerRecord& record);

// The items a record must hold to be saved, in the order they are asked for.
enum class RecordItem { MakerName, ContainerName, Model, Texture, SideView };

struct SaveReadiness {
  std::vector<RecordItem> missing;  // in RecordItem order; empty when the record can be saved
  bool ready() const { return missing.empty(); }
};
SaveReadiness checkSaveReady(const ContainerRecord& record);

// Every missing item in one line of English ("the container name is empty; no model").
std::string englishText(const SaveReadiness& readiness);

// Limits of the record's fields as the dialogs and the command-line tool keep them: UTF-16
// units of text, and the length in millimetres.
inline constexpr int kWorkshopNameKept = 10;
inline constexpr int kContainerNameKept = 26;
inline constexpr int kDescriptionKept = 63;
inline constexpr std::uint32_t kMaxLengthMm = 50000;

// Makes makerName follow the workshop name (cut to 15 units); answers whether it changed.
bool applyWorkshopName(ContainerRecord& record, std::u16string_view name);

}  // namespace qel
