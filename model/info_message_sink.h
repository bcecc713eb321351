#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Keeps the messages of a conversion whose outcome may not be taken, to be shown once
// it is.
class HeldInfoMessages final : public InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override { held_.emplace_back(text); }
  // Shows every message kept to sink, in order, and forgets them.
  void release(InfoMessageSink& sink) {
    for (const std::u16string& text : held_) sink.showInfoMessage(text);
    held_.clear();
  }

 private:
  std::vector<std::u16string> held_;
};

}  // namespace qel
