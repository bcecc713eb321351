#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qel::resources {

// The Japanese texts of the shell's own questions and words: recent files, drops, reloads.
// A choice's "(&X)" marks its access key, as in the menus.

// A recent file that is no longer there, taken off the list: the box's whole text.
std::u16string recentFileMissingText(std::u16string_view path);

// A PNG image dropped outside the pane's two pictures: which slot it goes into.
std::u16string droppedImageQuestion(std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kDroppedImageChoices = {
    u"テクスチャー(&T)", u"サイドビュー(&V)", u"キャンセル"};

// What a watched source file was set as, in the reload offer.
enum class SourceKind { Model, Texture, SideView };

// A source file written again since it was set: whether to set it again.
std::u16string reloadOfferText(SourceKind kind, std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kReloadChoices = {
    u"読み込み直す(&R)", u"今後は確認せずに読み込み直す(&A)", u"読み込み直さない(&N)"};

// Changes not saved yet, before the program closes or opens another file: whether to save.
std::u16string unsavedChangesQuestion(std::u16string_view containerName, bool closing);
inline constexpr std::array<std::u16string_view, 3> kUnsavedChangesChoices = {
    u"保存する(&S)", u"保存しない(&N)", u"キャンセル"};

}  // namespace qel::resources
