#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qel::qt::test {

// Runs action on the next modal window once it is open; for driving exec() from a test.
inline void whenModalOpens(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

}  // namespace qel::qt::test
