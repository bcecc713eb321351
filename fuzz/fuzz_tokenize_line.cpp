// Splits arbitrary bytes as a line piece; every token must lie inside the piece.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/line_pieces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the piece, with nothing behind it to run into.
  std::vector<char> piece(data, data + size);
  const qel::TokenTable table = qel::tokenizeLine(piece);
  if (table.count > qel::kTokenCapacity) std::abort();
  for (std::size_t i = 0; i < table.count; ++i) {
    const auto token = table[i];
    if (token.size() > size) std::abort();
    if (!token.empty() && (token.data() < piece.data() ||
                           token.data() + token.size() > piece.data() + piece.size())) {
      std::abort();
    }
  }
  return 0;
}
