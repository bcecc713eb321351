#include "frontends/win32/menu.h"

#include <vector>

#include "frontends/win32/wide.h"
#include "resources/resources.h"

namespace qel::win32 {

HMENU createMenuBar(int id) {
  const auto menus = resources::findMenu(id);
  if (menus.empty()) return nullptr;
  HMENU bar = ::CreateMenu();
  for (const resources::Menu& menu : menus) {
    HMENU dropDown = ::CreatePopupMenu();
    for (const resources::MenuItem& item : menu.items) {
      if (item.command == 0) {
        ::AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
      } else {
        ::AppendMenuW(dropDown, MF_STRING, static_cast<UINT_PTR>(item.command),
                      toWide(item.caption).c_str());
      }
    }
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown),
                  toWide(menu.caption).c_str());
  }
  return bar;
}

HACCEL createAcceleratorTable(int id) {
  std::vector<ACCEL> table;
  for (const resources::Accelerator& entry : resources::findAccelerators(id)) {
    // The resource flags are ACCEL's own, but for the end-of-table mark.
    table.push_back({static_cast<BYTE>(entry.flags & ~resources::kAccelLastEntry), entry.key,
                     static_cast<WORD>(entry.command)});
  }
  if (table.empty()) return nullptr;
  return ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace qel::win32
