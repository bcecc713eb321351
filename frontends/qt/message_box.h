#pragma once

#include <QString>

#include "platform/ui.h"

class QWidget;

namespace qel::qt {

// A modal box with Japanese button labels whatever the system language; answers kIdOk or
// kIdCancel. A box with OK only answers kIdOk however it is closed, as Windows does.
int showMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   platform::MessageBoxButtons buttons);

}  // namespace qel::qt
