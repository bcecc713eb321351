#pragma once

#include <QString>

#include "platform/ui.h"

class QWidget;

namespace qel::qt {

// Long work behind a progress box: the work runs on a thread of its own while the program's
// windows paint but take no input; once it has run for half a second a box owned by owner
// shows its progress with キャンセル.
platform::WorkOutcome runWithProgressBox(QWidget* owner, const QString& caption,
                                         const QString& text, const platform::LongWork& work);

}  // namespace qel::qt
