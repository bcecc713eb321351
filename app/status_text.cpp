#include "app/status_text.h"

#include <algorithm>
#include <tuple>

#include "app/status_view.h"

namespace qel {
namespace {

constexpr int kPixelsPerColumn = 8;
constexpr int kPixelsPerRow = 20;

bool isWide(char16_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

std::size_t columnsOf(std::u16string_view text) {
  std::size_t columns = 0;
  for (char16_t c : text) columns += isWide(c) ? 2 : 1;
  return columns;
}

class RowCollector : public platform::TextSink {
 public:
  void textOut(int x, int y, std::u16string_view text) override {
    pieces_.push_back({y / kPixelsPerRow, x / kPixelsPerColumn, std::u16string(text)});
  }

  std::vector<std::u16string> lines() {
    std::sort(pieces_.begin(), pieces_.end());
    std::vector<std::u16string> lines;
    std::size_t width = 0;
    for (const auto& [row, column, text] : pieces_) {
      if (lines.size() <= static_cast<std::size_t>(row)) {
        lines.resize(static_cast<std::size_t>(row) + 1);
        width = 0;
      }
      std::u16string& line = lines.back();
      // A row's first piece starts the line; later ones keep to their column.
      if (width > 0 && width < static_cast<std::size_t>(column)) {
        line.append(static_cast<std::size_t>(column) - width, u' ');
        width = static_cast<std::size_t>(column);
      }
      line += text;
      width += columnsOf(text);
    }
    return lines;
  }

 private:
  std::vector<std::tuple<int, int, std::u16string>> pieces_;
};

}  // namespace

std::vector<std::u16string> statusViewLines(const ContainerRecord& record,
                                            std::u16string_view containerPath) {
  RowCollector collector;
  paintStatusView(record, containerPath, collector);
  return collector.lines();
}

}  // namespace qel
