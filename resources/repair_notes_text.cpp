#include "resources/repair_notes_text.h"

#include "base/text_pattern.h"
#include "base/utf.h"
#include "resources/text_parts.h"

namespace qel::resources {
namespace {

// Names beyond these are counted, so that the offer stays on the screen.
constexpr std::size_t kNamesListed = 4;

std::u16string quotedName(std::u16string_view path) {
  return u"「" + fileName(path) + u"」";
}

}  // namespace

std::u16string_view japaneseText(ImageFault fault) {
  switch (fault) {
    case ImageFault::Missing:
      break;
    case ImageFault::NotAnImage:
      return u"対応していない形式";
    case ImageFault::TooLarge:
      return u"大きすぎる画像";
    case ImageFault::TooMuchWork:
      return u"スキャンが多すぎるJPEG";
    case ImageFault::Damaged:
      return u"破損";
  }
  return u"見つからないか読み込めない";
}

namespace {

// "「a.png」、「b.jpg」ほか3枚"
template <typename Item, typename Name>
std::u16string listed(const std::vector<Item>& items, Name name) {
  std::u16string text;
  for (std::size_t i = 0; i < items.size() && i < kNamesListed; ++i) {
    if (i > 0) text += u"、";
    text += name(items[i]);
  }
  if (items.size() > kNamesListed) {
    text += fillPattern(u"ほか%1枚", {fromUtf8(std::to_string(items.size() - kNamesListed))});
  }
  return text;
}

}  // namespace

std::u16string repairNotesText(const RepairNotes& notes) {
  std::u16string text;
  const auto& images = notes.images;
  if (images.size() == 1 && !notes.imageFoundBeside) {
    text += u"使用する画像：" + quotedName(images.front()) + u"\n";
  } else if (images.size() > 1) {
    text += u"使用する画像（1枚のテクスチャーにまとめます）：" +
            listed(images, [](const std::u16string& path) { return quotedName(path); }) + u"\n";
  }
  if (!notes.skipped.empty()) {
    text += u"次の画像は使用できないため、そのマテリアルは色で塗ります：" +
            listed(notes.skipped,
                   [](const SkippedImage& image) {
                     return quotedName(image.path) + u"（" +
                            std::u16string(japaneseText(image.fault)) + u"）";
                   }) +
            u"\n";
  }
  return text;
}

}  // namespace qel::resources
