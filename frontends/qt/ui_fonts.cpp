#include "frontends/qt/ui_fonts.h"

#include <QApplication>

#include "frontends/qt/qt_text.h"

namespace qel::qt {

QStringList japaneseFamilies() {
  return {QStringLiteral("Noto Sans CJK JP"),   QStringLiteral("Noto Sans JP"),
          QStringLiteral("Source Han Sans JP"), QStringLiteral("IPAexGothic"),
          QStringLiteral("IPAGothic"),          QStringLiteral("VL Gothic"),
          QStringLiteral("Yu Gothic UI"),       QStringLiteral("Meiryo UI"),
          QStringLiteral("MS UI Gothic"),       QStringLiteral("Hiragino Sans")};
}

QFont withJapaneseFallback(QFont font) {
  QStringList families = font.families();
  if (families.isEmpty()) families.append(font.family());
  for (const QString& family : japaneseFamilies()) {
    if (!families.contains(family, Qt::CaseInsensitive)) families.append(family);
  }
  font.setFamilies(families);
  return font;
}

QFont dialogFont(std::u16string_view family, int pointSize) {
  QFont font = QApplication::font();
  QStringList families;
  if (!family.empty()) families.append(toQString(family));
  families.append(japaneseFamilies());
  families.append(QApplication::font().family());
  font.setFamilies(families);
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

}  // namespace qel::qt
