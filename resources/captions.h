#pragma once

#include <string_view>

namespace qel::resources {

// The captions of the program's message boxes, each command's under its own.
inline constexpr std::u16string_view kProgramCaption = u"ノルカ";
inline constexpr std::u16string_view kNewContainerCaption = u"コンテナ初期化";
inline constexpr std::u16string_view kOpenContainerCaption = u"コンテナを開く";
inline constexpr std::u16string_view kSaveContainerCaption = u"コンテナを保存";
inline constexpr std::u16string_view kSettingsCaption = u"設定";
inline constexpr std::u16string_view kExitCaption = u"ノルカの終了";
inline constexpr std::u16string_view kContainerNameCaption = u"コンテナ名を設定";
inline constexpr std::u16string_view kParametersCaption = u"パラメータを設定";
inline constexpr std::u16string_view kModelCaption = u"モデルを設定";
inline constexpr std::u16string_view kModelSizeCaption = u"モデルの単位と大きさ";
inline constexpr std::u16string_view kTextureCaption = u"テクスチャー";
inline constexpr std::u16string_view kSideViewCaption = u"サイドビュー";
inline constexpr std::u16string_view kGenerateSideViewCaption = u"サイドビューを生成";
inline constexpr std::u16string_view kCheckFilesCaption = u"ファイルを確認";
inline constexpr std::u16string_view kGuideCaption = u"使い方";
inline constexpr std::u16string_view kAboutCaption = u"バージョン情報";
// The boxes that tell what a model file says of itself.
inline constexpr std::u16string_view kTimInfoCaption = u"K.DORAN INFORMATION";

}  // namespace qel::resources
