#include "platform/code_page_932.h"
#include "platform/web/cp932_table.h"

namespace qel::platform {
namespace {

class TableCodePage final : public CodePage, private Cp932Pairs {
 public:
  std::u16string toWide(std::string_view bytes) override { return cp932ToWide(bytes, *this); }

 private:
  char16_t pair(unsigned char lead, unsigned char trail) override {
    return kCp932PairTable[cp932LeadIndex(lead)][trail];
  }
};

}  // namespace

std::unique_ptr<CodePage> makeTableCodePage() {
  return std::make_unique<TableCodePage>();
}

}  // namespace qel::platform
