#pragma once

#include <string_view>

#include "model/info_message_sink.h"

namespace qel {

// Texts are cut to 1023 units, as the 1024-unit formatting buffer of the message boxes
// cuts them.
void showInfoMessage(InfoMessageSink& sink, std::u16string_view text);

// The same for text in the code page of model files: cut to 1023 bytes, then converted
// to UTF-16 through the platform's code page.
void showInfoMessageAnsi(InfoMessageSink& sink, std::string_view text);

}  // namespace qel
