#include "platform/os.h"

namespace qel::platform {
namespace {
FileSystem* installedFiles = nullptr;
CodePage* installedCodePage = nullptr;
Clock* installedClock = nullptr;
}  // namespace

FileSystem& fileSystem() {
  return installedFiles ? *installedFiles : systemFileSystem();
}
CodePage& codePage() {
  return installedCodePage ? *installedCodePage : systemCodePage();
}
Clock& clock() {
  return installedClock ? *installedClock : systemClock();
}

void useFileSystem(FileSystem* files) {
  installedFiles = files;
}
void useCodePage(CodePage* codePage) {
  installedCodePage = codePage;
}
void useClock(Clock* clock) {
  installedClock = clock;
}

}  // namespace qel::platform
