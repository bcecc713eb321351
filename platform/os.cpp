#include "platform/os.h"

namespace qel::platform {
namespace {
FileSystem* installedFiles = nullptr;
Clock* installedClock = nullptr;
}  // namespace

FileSystem& fileSystem() {
  return installedFiles ? *installedFiles : systemFileSystem();
}
CodePage& codePage() {
  return systemCodePage();
}
Clock& clock() {
  return installedClock ? *installedClock : systemClock();
}

void useFileSystem(FileSystem* files) {
  installedFiles = files;
}
void useClock(Clock* clock) {
  installedClock = clock;
}

}  // namespace qel::platform
