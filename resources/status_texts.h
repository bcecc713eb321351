#pragma once

#include <string_view>

namespace qel::resources {

// The words of the status view: the labels of the part's fields, and the first words of the
// model, texture and side-view blocks with the word each puts after a size or says when unset.
inline constexpr std::u16string_view kStatusPathLabel = u"ファイルパス：";
inline constexpr std::u16string_view kStatusWorkshopLabel = u"工房名";
inline constexpr std::u16string_view kStatusContainerNameLabel = u"コンテナ名";
inline constexpr std::u16string_view kStatusDescriptionLabel = u"説明";
inline constexpr std::u16string_view kStatusTypeLabel = u"種別";
inline constexpr std::u16string_view kStatusModelUnset = u"3D MODEL 未設定";
inline constexpr std::u16string_view kStatusTextureUnset = u"TEXTURE未設定";
inline constexpr std::u16string_view kStatusSideViewUnset = u"SIDEVIEW未設定";

}  // namespace qel::resources
