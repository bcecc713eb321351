#include "frontends/qt/qt_settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "frontends/qt/qt_text.h"

namespace qel::qt {
namespace {

// The text after "name=" in the file's general section, as it stands: QSettings takes an
// unquoted comma for a list separator and drops the spaces around it.
std::optional<QString> writtenValue(const QString& place, const QString& name) {
  QFile file(place);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  std::optional<QString> found;
  bool general = true;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      general = line == QStringLiteral("[General]");
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (general && equals > 0 && line.left(equals).trimmed() == name) {
      found = line.mid(equals + 1).trimmed();  // a later line wins, as in QSettings
    }
  }
  return found;
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
  if (parts.size() > 1 &&
      parts.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0) {
    parts.removeFirst();
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return {};
  return folder + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QStringLiteral(".conf");
}

std::optional<std::u16string> QtSettingsStore::readString(std::u16string_view keyPath,
                                                          std::u16string_view valueName) {
  const QString place = location(keyPath);
  if (place.isEmpty() || valueName.empty()) return std::nullopt;
  // Reading never creates the file.
  if (!QFileInfo::exists(place)) return std::nullopt;
  QSettings settings(place, QSettings::IniFormat);
  const QVariant value = settings.value(toQString(valueName));
  // A hand-written value with commas in it reads as a list; it is still the one text.
  if (value.typeId() == QMetaType::QStringList) {
    if (const auto written = writtenValue(place, toQString(valueName))) return toU16(*written);
  }
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return toU16(value.toString());
}

bool QtSettingsStore::writeString(std::u16string_view keyPath, std::u16string_view valueName,
                                  std::u16string_view value) {
  const QString place = location(keyPath);
  if (place.isEmpty() || valueName.empty()) return false;
  QSettings settings(place, QSettings::IniFormat);
  settings.setValue(toQString(valueName), toQString(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace qel::qt
