#pragma once

#include <windows.h>

namespace qel::platform {

// Runs call (answering true on success, with the error in GetLastError otherwise) again
// while the file is held for a moment: another save checking or renaming over the same
// file, or a virus scanner, makes a rename or an open fail with a sharing violation or a
// denied access for that long. Gives up after about half a second, keeping the last error.
template <class Call>
bool retryWhileHeld(Call call) {
  constexpr int kAttempts = 50;
  for (int attempt = 1;; ++attempt) {
    if (call()) return true;
    const DWORD error = ::GetLastError();
    if (attempt == kAttempts ||
        (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) {
      return false;
    }
    ::Sleep(10);
    ::SetLastError(error);
  }
}

}  // namespace qel::platform
