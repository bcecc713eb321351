#include "resources/resources.h"

#include "container/container_record.h"
#include "resources/box_texts.h"
#include "resources/model_size_texts.h"

namespace qel::resources {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kUnaddressed = -1;

constexpr std::uint32_t kSingleLineEdit = kBorder | kEditAutoHScroll | kTabStop;

constexpr ControlTemplate okButton(int x, int y) {
  return {kOk, ControlKind::DefaultPushButton, kOkButtonText, x, y, 50, 14, kTabStop};
}
constexpr ControlTemplate cancelButton(int x, int y) {
  return {kCancel, ControlKind::PushButton, kCancelButtonText, x, y, 50, 14, kTabStop};
}
constexpr ControlTemplate label(std::u16string_view text, int x, int y, int width, int height) {
  return {kUnaddressed, ControlKind::Static, text, x, y, width, height};
}

constexpr ControlTemplate kAboutControls[] = {
    {kUnaddressed, ControlKind::Icon, u"128", 14, 14, 20, 20},
    {kUnaddressed, ControlKind::Static, u"QELContainer, Version " QEL_VERSION, 42, 14, 114, 8,
     kStaticNoPrefix},
    okButton(113, 41),
};

// The edit fields keep exactly what their help texts promise and refuse more.
constexpr ControlTemplate kWorkshopNameControls[] = {
    {kWorkshopNameField, ControlKind::Edit, u"", 29, 16, 211, 14, kSingleLineEdit,
     kWorkshopNameKept},
    okButton(158, 89),
    cancelButton(212, 89),
    label(u"工房名を入力してください。\n"
          u"工房名は、コンテナ部品に共通して設定される作者名です。長さは10文字までです。"
          u"通常は、設定後に変更しないでください。",
          29, 38, 212, 40),
};

constexpr ControlTemplate kContainerNameControls[] = {
    {kContainerNameField, ControlKind::Edit, u"", 29, 16, 211, 14, kSingleLineEdit,
     kContainerNameKept},
    okButton(158, 89),
    cancelButton(212, 89),
    label(u"コンテナ名を入力してください。\n"
          u"コンテナ名は、長さは26文字までです。\"[具体的な種類]+形式名\""
          u"のような名前付けの規則を設定すると適切です。",
          29, 38, 212, 40),
};

// The type is picked from the offered list only: a free-text field could confirm a type
// that is in no table.
constexpr ControlTemplate kParameterControls[] = {
    okButton(205, 151),
    cancelButton(259, 151),
    {kTypeList, ControlKind::ComboBox, u"", 41, 7, 158, 63,
     kComboDropDownList | kComboSort | kVScroll | kTabStop},
    {kLengthField, ControlKind::Edit, u"", 41, 51, 57, 14, kSingleLineEdit | kEditNumber},
    {kDescriptionField, ControlKind::Edit, u"", 42, 80, 267, 61,
     kBorder | kEditMultiline | kEditAutoHScroll | kTabStop, kDescriptionKept},
    label(u"種別", 14, 9, 17, 8),
    label(u"全長", 14, 54, 17, 8),
    label(u"説明", 14, 82, 17, 8),
    label(u"コンテナ部品の種類を選択してください。車両毎に積載できる種別が設定されています。"
          u"「荷物」は無蓋車などに使用します。",
          45, 23, 242, 23),
    label(u"mm単位で全長を入力します。この数値は、現在使用していません。", 105, 50, 183, 18),
};

// The size line follows the unit and the scale as they are chosen.
constexpr ControlTemplate kModelSizeControls[] = {
    {kModelUnitList, ControlKind::ComboBox, u"", 60, 10, 80, 60,
     kComboDropDownList | kVScroll | kTabStop},
    {kModelScaleField, ControlKind::Edit, u"", 60, 30, 80, 14, kSingleLineEdit, kModelScaleKept},
    {kFitLengthButton, ControlKind::PushButton, u"全長に合わせる(&F)", 148, 30, 90, 14, kTabStop},
    okButton(162, 128),
    cancelButton(216, 128),
    label(u"1単位", 14, 12, 40, 8),
    label(u"倍率", 14, 32, 40, 8),
    {kModelSizeText, ControlKind::Static, u"", 14, 54, 252, 20},
    label(u"モデルファイルの1単位が表す長さを選んでください。すべてのモデルに共通の設定です。\n"
          u"倍率を変えると、元のOBJファイルを読み込み直し、頂点の位置に倍率を掛けます。",
          14, 80, 252, 40),
};

constexpr DialogTemplate kDialogs[] = {
    {kAboutDialog, u"バージョン情報 QELContainer", 0, 0, 170, 62, false, u"MS UI Gothic", 9,
     kAboutControls},
    {kWorkshopNameDialog, u"工房名の設定", 0, 0, 269, 110, true, u"MS Shell Dlg", 8,
     kWorkshopNameControls},
    {kContainerNameDialog, u"コンテナ名の設定", 0, 0, 269, 110, true, u"MS Shell Dlg", 8,
     kContainerNameControls},
    {kParameterDialog, u"パラメーター設定", 0, 0, 316, 172, true, u"MS Shell Dlg", 8,
     kParameterControls},
    {kModelSizeDialog, u"モデルの単位と大きさ", 0, 0, 280, 150, true, u"MS Shell Dlg", 8,
     kModelSizeControls},
};

}  // namespace

const DialogTemplate* findDialog(int dialogId) {
  for (const DialogTemplate& dialog : kDialogs) {
    if (dialog.id == dialogId) return &dialog;
  }
  return nullptr;
}

}  // namespace qel::resources
