#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qel::resources {

// The program's resources as plain data. Front ends build their windows from these, and
// the code and the tests name identifiers and captions by the constants of resources.h
// and captions.h.

struct MenuItem {
  int command = 0;              // 0 for a separator line
  std::u16string_view caption;  // "&" marks the mnemonic
};

struct Menu {
  std::u16string_view caption;
  std::span<const MenuItem> items;
};

// Accelerator flag bits, as the Windows resource compiler stores them.
inline constexpr std::uint8_t kAccelVirtualKey = 0x01;
inline constexpr std::uint8_t kAccelNoInvert = 0x02;
inline constexpr std::uint8_t kAccelShift = 0x04;
inline constexpr std::uint8_t kAccelControl = 0x08;
inline constexpr std::uint8_t kAccelAlt = 0x10;
inline constexpr std::uint8_t kAccelLastEntry = 0x80;

struct Accelerator {
  std::uint8_t flags = 0;
  std::uint16_t key = 0;  // a virtual key ('O', 'S', 'N') or a character ('/', '?')
  int command = 0;
};

enum class ControlKind {
  Edit,  // single-line unless kEditMultiline
  PushButton,
  DefaultPushButton,
  Static,  // text, wrapped inside its rectangle
  ComboBox,
  Icon,  // names an icon resource in text
};

// Control style bits, with the Windows values.
inline constexpr std::uint32_t kEditMultiline = 0x0004;      // ES_MULTILINE
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;    // ES_AUTOHSCROLL
inline constexpr std::uint32_t kEditNumber = 0x2000;         // ES_NUMBER
inline constexpr std::uint32_t kComboDropDown = 0x0002;      // CBS_DROPDOWN
inline constexpr std::uint32_t kComboDropDownList = 0x0003;  // CBS_DROPDOWNLIST
inline constexpr std::uint32_t kComboSort = 0x0100;          // CBS_SORT
inline constexpr std::uint32_t kStaticNoPrefix = 0x0080;     // SS_NOPREFIX
inline constexpr std::uint32_t kBorder = 0x00800000;         // WS_BORDER
inline constexpr std::uint32_t kTabStop = 0x00010000;        // WS_TABSTOP
inline constexpr std::uint32_t kVScroll = 0x00200000;        // WS_VSCROLL

struct ControlTemplate {
  int id = -1;  // -1 for controls nobody addresses
  ControlKind kind = ControlKind::Static;
  std::u16string_view text;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::uint32_t style = 0;
  int maxLength = 0;  // units an edit field takes; 0 for no limit
};

struct DialogTemplate {
  int id = 0;
  std::u16string_view title;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  bool centred = false;
  std::u16string_view fontName;
  int fontPointSize = 0;
  std::span<const ControlTemplate> controls;  // in tab order
};

}  // namespace qel::resources
