#pragma once

#include <string_view>

namespace qel::resources {

// The file pickers' filter descriptions and titles.
inline constexpr std::u16string_view kModelFileFilter = u"モデルファイル(*.obj)";
inline constexpr std::u16string_view kOpenModelTitle = u"Wavefront OBJファイルを開く";
inline constexpr std::u16string_view kContainerFileFilter = u"コンテナファイル(*.cnt,*.q5c)";
inline constexpr std::u16string_view kOpenContainerTitle = u"コンテナファイルを開く";
inline constexpr std::u16string_view kSavedContainerFilter = u"コンテナファイル(*.cnt)";
inline constexpr std::u16string_view kSaveContainerTitle = u"コンテナファイルを保存する";
inline constexpr std::u16string_view kCheckedFileFilter =
    u"モデル・コンテナファイル(*.obj,*.cnt,*.q5c)";
inline constexpr std::u16string_view kCheckFileTitle = u"確認するファイルを開く";
inline constexpr std::u16string_view kImageFileFilter = u"画像ファイル(*.png)";
// Any picture the repair reads, for the faces of a model whose materials name no texture.
inline constexpr std::u16string_view kRepairImageFileFilter =
    u"画像ファイル(*.png,*.jpg,*.jpeg,*.bmp,*.tga,*.gif)";
inline constexpr std::u16string_view kRepairImagePatterns = u"*.png;*.jpg;*.jpeg;*.bmp;*.tga;*.gif";
inline constexpr std::u16string_view kOpenModelImageTitle = u"モデルに貼る画像を選ぶ";
inline constexpr std::u16string_view kOpenTextureTitle = u"テクスチャーファイルを開く";
inline constexpr std::u16string_view kOpenSideViewTitle = u"サイドビューファイルを開く";
inline constexpr std::u16string_view kSaveTextureTitle = u"テクスチャーファイルを保存する";
inline constexpr std::u16string_view kSaveSideViewTitle = u"サイドビューファイルを保存する";

}  // namespace qel::resources
