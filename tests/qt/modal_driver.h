#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qel::qt::test {

// Runs action on the next modal window once it is open; for driving exec() from a test.
// A modal window that does not open within the deadline fails the test and closes whatever
// modal window is up, so that the test ends instead of waiting for ever.
inline void whenModalOpens(std::function<void(QWidget*)> action, int deadlineMs = 10000) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(timer, &QTimer::timeout,
                   [timer, started, deadlineMs, action = std::move(action)] {
                     QWidget* modal = QApplication::activeModalWidget();
                     if (modal != nullptr && modal->isVisible()) {
                       timer->stop();
                       timer->deleteLater();
                       action(modal);
                     } else if (started->elapsed() > deadlineMs) {
                       timer->stop();
                       timer->deleteLater();
                       ADD_FAILURE() << "no modal window opened within " << deadlineMs << " ms";
                       for (QWidget* widget : QApplication::topLevelWidgets()) {
                         if (widget->isModal()) widget->close();
                       }
                     }
                   });
  timer->start();
}

}  // namespace qel::qt::test
