#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

namespace qel::platform {

// ReadFile and WriteFile take at most a DWORD at a time.
inline constexpr std::size_t kLargestTransfer = 1u << 30;

// A file handle, closed with its owner.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~FileHandle() { close(); }
  FileHandle(FileHandle&& other) noexcept : handle_(other.release()) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = other.release();
    }
    return *this;
  }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  bool close() {
    if (!valid()) return true;
    return ::CloseHandle(release()) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace qel::platform
