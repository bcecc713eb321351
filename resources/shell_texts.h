#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qel::resources {

// The Japanese texts of the shell's own questions and words: recent files, drops, reloads.

// A recent file that is no longer there, taken off the list: the box's whole text.
std::u16string recentFileMissingText(std::u16string_view path);

// A PNG image dropped outside the pane's two pictures: which slot it goes into.
std::u16string droppedImageQuestion(std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kDroppedImageChoices = {
    u"テクスチャー", u"サイドビュー", u"キャンセル"};

// What a watched source file was set as, in the reload offer.
enum class SourceKind { Model, Texture, SideView };
// Which of the files that a source was made of was written: the file set itself, or, for a
// model, one of its MTL files or textures.
enum class SourceFileRole { Source, MaterialLibrary, Texture };

// A file of a source of the part named containerName written again since it was set: whether
// to set the source again.
std::u16string reloadOfferText(std::u16string_view containerName, SourceKind kind,
                               SourceFileRole role, std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kReloadChoices = {
    u"読み込み直す", u"今後は確認せずに読み込み直す", u"読み込み直さない"};

// Changes not saved yet, before the program closes or opens another file: whether to save.
std::u16string unsavedChangesQuestion(std::u16string_view containerName, bool closing);
inline constexpr std::array<std::u16string_view, 3> kUnsavedChangesChoices = {
    u"保存", u"保存しない", u"キャンセル"};

}  // namespace qel::resources
