#pragma once

#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace qel::platform {

// The operating system's services in use. Each starts as this system's own
// implementation; tests put doubles of the file system and the clock in their place (and
// restore them) to inject faults and pin the time.
FileSystem& fileSystem();
CodePage& codePage();
Clock& clock();

void useFileSystem(FileSystem* files);  // nullptr restores the system's own
void useClock(Clock* clock);

// The system's own implementations, defined once per operating system.
FileSystem& systemFileSystem();
CodePage& systemCodePage();
Clock& systemClock();

}  // namespace qel::platform
