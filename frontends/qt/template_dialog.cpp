#include "frontends/qt/template_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include "base/utf.h"
#include "dialogs/field_rule.h"
#include "frontends/qt/limited_line_edit.h"
#include "frontends/qt/multi_line_edit.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/ui_fonts.h"

namespace qel::qt {
namespace {

using resources::ControlKind;

// "&&" stands for "&"; a single "&" marks a mnemonic, which a static text only underlines.
QString withoutMnemonics(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size())
      ++i;
    else if (text[i] == QLatin1Char('&'))
      continue;
    out += text[i];
  }
  return out;
}

QWidget* makeEdit(const resources::ControlTemplate& control, QWidget* parent) {
  if ((control.style & resources::kEditMultiline) != 0) {
    return new MultiLineEdit(fieldRuleOf(control), parent);
  }
  return new LimitedLineEdit(fieldRuleOf(control), parent);
}

QComboBox* makeComboBox(const resources::ControlTemplate& control, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  // Style bits 1 and 2 give the combo an edit field of its own; 3 is a pure drop-down list.
  const std::uint32_t type = control.style & 0x3u;
  combo->setEditable(type == 1 || type == resources::kComboDropDown);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

QWidget* makeLabel(const resources::ControlTemplate& control, QWidget* parent) {
  const QString text = toQString(control.text);
  auto* label = new QLabel(
      (control.style & resources::kStaticNoPrefix) != 0 ? text : withoutMnemonics(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* makeIcon(QWidget* parent) {
  // The program has one icon; every icon area shows it at the system's icon size.
  auto* label = new QLabel(parent);
  label->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  return label;
}

bool takesFocus(ControlKind kind) {
  return kind != ControlKind::Static && kind != ControlKind::Icon;
}

}  // namespace

TemplateDialog::TemplateDialog(const resources::DialogTemplate& dialog,
                               platform::DialogProcedure& procedure, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      procedure_(procedure),
      units_(dialogFont(dialog.fontName, dialog.fontPointSize)) {
  setFont(dialogFont(dialog.fontName, dialog.fontPointSize));
  setWindowTitle(toQString(dialog.title));
  setModal(true);
  setFixedSize(units_.toPixels(dialog.width, dialog.height));
  for (const resources::ControlTemplate& control : dialog.controls) {
    QWidget* widget = buildControl(control);
    if (control.id != -1 && !controls_.contains(control.id)) controls_[control.id] = widget;
  }
  for (qsizetype i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
  placeOnScreen(dialog, owner);
}

QWidget* TemplateDialog::buildControl(const resources::ControlTemplate& control) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Edit:
      widget = makeEdit(control, this);
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const int id = control.id;
        connect(edit, &QLineEdit::textChanged, this,
                [this, id] { procedure_.onChange(*this, id); });
      }
      break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(toQString(control.text), this);
      button->setDefault(control.kind == ControlKind::DefaultPushButton);
      const int id = control.id;
      connect(button, &QPushButton::clicked, this, [this, id] { command(id); });
      widget = button;
      break;
    }
    case ControlKind::Static:
      widget = makeLabel(control, this);
      break;
    case ControlKind::ComboBox: {
      QComboBox* combo = makeComboBox(control, this);
      combo->setProperty("sorted", (control.style & resources::kComboSort) != 0);
      const int id = control.id;
      connect(combo, &QComboBox::currentIndexChanged, this,
              [this, id] { procedure_.onChange(*this, id); });
      widget = combo;
      break;
    }
    case ControlKind::Icon:
      widget = makeIcon(this);
      break;
  }
  QRect area = units_.toPixels(control.x, control.y, control.width, control.height);
  if (control.kind == ControlKind::ComboBox) {
    // The template's height includes the opened list; the closed box is one line high.
    area.setHeight(widget->sizeHint().height());
  }
  widget->setGeometry(area);
  widget->setProperty("controlId", control.id);
  if (!takesFocus(control.kind)) {
    widget->setFocusPolicy(Qt::NoFocus);
  } else if ((control.style & resources::kTabStop) != 0) {
    widget->setFocusPolicy(Qt::StrongFocus);
    tabOrder_.append(widget);
  } else {
    widget->setFocusPolicy(Qt::ClickFocus);
  }
  return widget;
}

void TemplateDialog::placeOnScreen(const resources::DialogTemplate& dialog, QWidget* owner) {
  QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  if (dialog.centred) {
    if (screen == nullptr) return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    return;
  }
  // The template's position counts from the owner's client area, or from the screen.
  QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint(0, 0);
  if (owner != nullptr) {
    const auto* window = qobject_cast<QMainWindow*>(owner);
    const QWidget* client =
        window != nullptr && window->centralWidget() != nullptr ? window->centralWidget() : owner;
    origin = client->mapToGlobal(QPoint(0, 0));
  }
  move(origin + QPoint(units_.toPixelsX(dialog.x), units_.toPixelsY(dialog.y)));
}

int TemplateDialog::run() {
  if (procedure_.onInitDialog(*this)) focusFirstTabStop();
  if (!ended_) exec();
  return result_;
}

void TemplateDialog::focusFirstTabStop() {
  for (QWidget* widget : tabOrder_) {
    if (!widget->isEnabled()) continue;
    widget->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    return;
  }
}

void TemplateDialog::command(int id) {
  procedure_.onCommand(*this, id);
}

void TemplateDialog::reject() {
  command(platform::kIdCancel);
}

void TemplateDialog::enable(int id, bool enabled) {
  if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

void TemplateDialog::endDialog(int result) {
  ended_ = true;
  result_ = result;
  done(result);
}

QWidget* TemplateDialog::control(int id) const {
  const auto found = controls_.find(id);
  return found != controls_.end() ? found->second : nullptr;
}

void TemplateDialog::setText(int id, std::u16string_view text) {
  QWidget* widget = control(id);
  const QString value = toQString(text);
  if (auto* edit = qobject_cast<LimitedLineEdit*>(widget)) {
    edit->setProgramText(value);
  } else if (auto* multi = qobject_cast<MultiLineEdit*>(widget)) {
    multi->setWindowsText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable()) combo->setEditText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(value);
  }
}

std::u16string TemplateDialog::getText(int id, int count) {
  if (count <= 0) return {};
  QWidget* widget = control(id);
  QString value;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    value = edit->text();
  } else if (auto* multi = qobject_cast<MultiLineEdit*>(widget)) {
    value = multi->windowsText();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    value = combo->currentText();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    value = label->text();
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    value = button->text();
  }
  return std::u16string(wholeCharactersWithin(toU16(value), static_cast<std::size_t>(count - 1)));
}

void TemplateDialog::comboReset(int id) {
  if (auto* combo = qobject_cast<QComboBox*>(control(id))) combo->clear();
}

int TemplateDialog::comboAddString(int id, std::u16string_view text) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  if (combo == nullptr) return -1;
  int position = combo->count();
  if (combo->property("sorted").toBool()) {
    position = static_cast<int>(sortedListPosition(
        static_cast<std::size_t>(combo->count()),
        [combo](std::size_t at) { return toU16(combo->itemText(static_cast<int>(at))); }, text));
  }
  const bool wasEmpty = combo->count() == 0;
  combo->insertItem(position, toQString(text));
  if (wasEmpty) combo->setCurrentIndex(-1);  // adding an entry selects nothing
  return position;
}

void TemplateDialog::comboSetItemData(int id, int position, std::uint32_t data) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  if (combo == nullptr || position < 0 || position >= combo->count()) return;
  combo->setItemData(position, QVariant::fromValue<quint32>(data));
}

std::uint32_t TemplateDialog::comboItemData(int id, int position) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  if (combo == nullptr || position < 0 || position >= combo->count()) return platform::kComboError;
  const QVariant data = combo->itemData(position);
  return data.isValid() ? data.value<quint32>() : 0;
}

int TemplateDialog::comboCount(int id) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  return combo != nullptr ? combo->count() : 0;
}

void TemplateDialog::comboSetSelection(int id, int position) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  if (combo == nullptr) return;
  combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}

int TemplateDialog::comboSelection(int id) {
  auto* combo = qobject_cast<QComboBox*>(control(id));
  if (combo == nullptr) return -1;
  const int current = combo->currentIndex();
  // Text typed into the combo's own field selects no entry.
  if (current >= 0 && combo->isEditable() && combo->currentText() != combo->itemText(current)) {
    return -1;
  }
  return current;
}

}  // namespace qel::qt
