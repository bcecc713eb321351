#include "frontends/qt/progress_box.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <chrono>
#include <memory>

#include "frontends/qt/qt_text.h"
#include "platform/background_work.h"
#include "resources/shell_texts.h"

namespace qel::qt {
namespace {

// How long the UI thread waits for the work between two rounds of events.
constexpr std::chrono::milliseconds kPollInterval{20};

class ProgressBox final : public QDialog {
 public:
  ProgressBox(QWidget* owner, const QString& caption, const QString& text,
              platform::BackgroundWork& work)
      : QDialog(owner),
        work_(work),
        bar_(new QProgressBar(this)),
        cancel_(new QPushButton(toQString(resources::kCancelButton), this)) {
    setWindowTitle(caption);
    setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    bar_->setRange(0, 1000);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    layout->addWidget(bar_);
    cancel_->setDefault(true);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &ProgressBox::reject);
  }

  void follow() { bar_->setValue(work_.permille()); }

  // キャンセル, Escape and the close box: the box stays until the work has stopped.
  void reject() override {
    work_.cancel();
    cancel_->setEnabled(false);
  }

 private:
  platform::BackgroundWork& work_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

// Keeps input, drops and close requests from every window but the box while the work runs:
// the program must not start another command over it.
class InputHold final : public QObject {
 public:
  InputHold() { qApp->installEventFilter(this); }
  ~InputHold() override { qApp->removeEventFilter(this); }
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

  void allow(QWidget* box) { box_ = box; }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    return isHeld(event->type()) && !isInBox(target);
  }

 private:
  static bool isHeld(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }

  bool isInBox(QObject* target) const {
    if (box_ == nullptr) return false;
    if (const auto* widget = qobject_cast<QWidget*>(target)) return widget->window() == box_;
    if (const auto* window = qobject_cast<QWindow*>(target)) return window == box_->windowHandle();
    return false;
  }

  QWidget* box_ = nullptr;
};

}  // namespace

platform::WorkOutcome runWithProgressBox(QWidget* owner, const QString& caption,
                                         const QString& text, const platform::LongWork& work) {
  InputHold hold;
  platform::BackgroundWork running(work);
  std::unique_ptr<ProgressBox> box;
  while (!running.waitFor(kPollInterval)) {
    if (!box && running.boxDue()) {
      box = std::make_unique<ProgressBox>(owner, caption, text, running);
      hold.allow(box.get());
      box->show();
    }
    if (box) box->follow();
    QCoreApplication::processEvents(QEventLoop::AllEvents, kPollInterval.count());
  }
  return running.finish();
}

}  // namespace qel::qt
