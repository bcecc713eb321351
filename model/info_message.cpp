#include "model/info_message.h"

#include "platform/os.h"

namespace qel {
namespace {
constexpr std::size_t kLongestMessage = 1023;
}

void showInfoMessage(InfoMessageSink& sink, std::u16string_view text) {
  sink.showInfoMessage(text.substr(0, kLongestMessage));
}

void showInfoMessageAnsi(InfoMessageSink& sink, std::string_view text) {
  sink.showInfoMessage(platform::codePage().toWide(text.substr(0, kLongestMessage)));
}

}  // namespace qel
