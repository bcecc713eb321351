#pragma once

#include <string_view>

namespace qel {

// Where the model import sends its information messages (the two TIM texts). The
// desktop program shows each in a message box without owner and with the caption
// "K.DORAN INFORMATION", and returns when the user has closed it; the command-line tool
// prints it.
class InfoMessageSink {
 public:
  virtual ~InfoMessageSink() = default;
  virtual void showInfoMessage(std::u16string_view text) = 0;
};

}  // namespace qel
