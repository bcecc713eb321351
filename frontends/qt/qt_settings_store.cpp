#include "frontends/qt/qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "frontends/qt/qt_text.h"

namespace qel::qt {
namespace {

QSettings::Format storeFormat() {
#ifdef Q_OS_WIN
  return QSettings::NativeFormat;
#else
  return QSettings::IniFormat;
#endif
}

}  // namespace

QString QtSettingsStore::location(std::u16string_view keyPath) {
  QStringList parts = toQString(keyPath).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    if (part == QStringLiteral("..") || part == QStringLiteral(".") ||
        part.contains(QLatin1Char('/'))) {
      return {};
    }
  }
  if (parts.isEmpty()) return {};
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\") + parts.join(QLatin1Char('\\'));
#else
  if (parts.size() > 1 &&
      parts.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0) {
    parts.removeFirst();
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return {};
  return folder + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QStringLiteral(".conf");
#endif
}

std::optional<std::u16string> QtSettingsStore::readString(std::u16string_view keyPath,
                                                          std::u16string_view valueName) {
  const QString place = location(keyPath);
  if (place.isEmpty() || valueName.empty()) return std::nullopt;
#ifndef Q_OS_WIN
  // Reading never creates the file.
  if (!QFileInfo::exists(place)) return std::nullopt;
#endif
  QSettings settings(place, storeFormat());
  const QVariant value = settings.value(toQString(valueName));
  // A hand-written value with commas in it reads as a list; it is still the one text.
  if (value.typeId() == QMetaType::QStringList) return toU16(value.toStringList().join(u','));
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return toU16(value.toString());
}

bool QtSettingsStore::writeString(std::u16string_view keyPath, std::u16string_view valueName,
                                  std::u16string_view value) {
  const QString place = location(keyPath);
  if (place.isEmpty() || valueName.empty()) return false;
  QSettings settings(place, storeFormat());
  settings.setValue(toQString(valueName), toQString(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace qel::qt
