#pragma once

#include <array>
#include <string_view>

namespace qel::resources {

// The words of the preview pane. In the formats %1, %2 and %3 stand for numbers.

// The buttons above the model, each with its key: the four views, the first view again, and
// the wireframe, the texture coordinates and the side view over the side-on model.
inline constexpr std::array<std::u16string_view, 8> kPaneButtons = {
    u"正面(1)",        u"側面(2)", u"上面(3)", u"背面(4)",
    u"リセット(Home)", u"線画(W)", u"UV(U)",   u"重ねる(O)"};
inline constexpr std::u16string_view kPaneModelSize =
    u"モデルの大きさ：長さ %1 × 幅 %2 × 高さ %3 単位（1単位＝1 %4 で %5 × %6 × %7 mm）";
inline constexpr std::u16string_view kPaneLengthMatches =
    u"全長 %1 mm：1単位＝1 %2 としてモデルの長さと合っています。";
inline constexpr std::u16string_view kPaneLengthDiffers =
    u"※1単位＝1 %3 とすると、全長 %1 mm とモデルの長さが %2% 違います。";
inline constexpr std::u16string_view kPaneUnitWouldMatch =
    u"1単位＝1 %1 とすると全長と一致します。";
inline constexpr std::array<std::u16string_view, 4> kPaneUnitNames = {u"mm", u"cm", u"m",
                                                                      u"インチ"};
inline constexpr std::u16string_view kPaneLegend =
    u"グリッド %1 m（床面）　軸 X 赤・Y 緑（上）・Z 青　赤紫の面は裏面です。";
inline constexpr std::u16string_view kPaneNoTexture = u"テクスチャーを表示できません。";
inline constexpr std::u16string_view kPanePartlyDrawn =
    u"モデルが大きすぎるため、一部だけを表示しています。";
inline constexpr std::u16string_view kPaneNoSideView = u"サイドビューが設定されていません。";

// The side view made from the model, shown before it is stored.
inline constexpr std::u16string_view kGeneratedSideViewQuestion =
    u"3Dモデルを横から見たサイドビュー（%1×%2ピクセル）です。\nこのサイドビューを設定しますか？";
// Put before the question above when the model changed under a side view generated from the
// model before it.
inline constexpr std::u16string_view kSideViewOfPreviousModel =
    u"3Dモデルが変わりました。今のサイドビューは前の3Dモデルから生成したものです。\n";
inline constexpr std::u16string_view kSideViewNeedsModel =
    u"サイドビューを生成できません。\n3Dモデルが設定されていません。\n「設定」メニューの「モデルを"
    u"設定」で設定してから、もう一度生成してください。";
inline constexpr std::u16string_view kSideViewModelUndrawable =
    u"サイドビューを生成できません。\n3Dモデルのデータが読み取れません。";

}  // namespace qel::resources
