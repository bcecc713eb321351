#include "platform/os.h"
#include "platform/web/cp932_table.h"
#include "platform/web/memory_files.h"

namespace qel::platform {
namespace {

MemoryFileSystem& theFiles() {
  static const std::unique_ptr<MemoryFileSystem> files = makeMemoryFileSystem();
  return *files;
}

}  // namespace

FileSystem& systemFileSystem() {
  return theFiles();
}

MemoryFiles& memoryFiles() {
  return theFiles();
}

CodePage& systemCodePage() {
  static const std::unique_ptr<CodePage> codePage = makeTableCodePage();
  return *codePage;
}

}  // namespace qel::platform
