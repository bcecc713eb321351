#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

#include "platform/ui.h"

class QWidget;

namespace qel::qt {

// A modal box with Japanese button labels whatever the system language; answers kIdOk or
// kIdCancel. A box with OK only answers kIdOk however it is closed, as Windows does. A
// picture, when there is one, stands beside the text.
int showMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   platform::MessageBoxButtons buttons, const QPixmap& picture = {});

// A modal question with the buttons in this order, the first the default and the last the
// answer of Escape and the close box; answers the pressed button's index.
int showChoiceBox(QWidget* owner, const QString& text, const QString& caption,
                  const QStringList& buttons);

}  // namespace qel::qt
