#include "resources/check_texts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/text_pattern.h"
#include "base/utf.h"
#include "resources/text_parts.h"

namespace qel::resources {
namespace {

struct ProblemText {
  std::string_view code;
  std::u16string_view text;
};

constexpr ProblemText kProblemTexts[] = {
    // What the conversion refuses.
    {"obj.capacity",
     u"頂点の座標、法線、テクスチャー座標または三角形が、設定できる数を超えています。"},
    {"mtl.capacity", u"マテリアルが、設定できる数を超えています。"},
    {"obj.corner-without-position", u"面の頂点に座標の番号がありません。"},
    {"obj.no-such-position", u"面が、ファイルにない頂点の座標の番号を指しています。"},
    {"obj.no-such-normal", u"面が、ファイルにない法線の番号を指しています。"},
    {"obj.no-such-texcoord", u"面が、ファイルにないテクスチャー座標の番号を指しています。"},
    {"obj.face-too-large", u"頂点が多すぎる面があります。"},
    {"obj.unreadable", u"OBJファイルを読み込めません。"},
    {"obj.utf16", u"OBJファイルがUTF-16（Unicode）で保存されているため、読み込めません。"},
    {"path.too-long", u"ファイルのパスが長すぎます。"},
    {"model.no-face", u"このモデルには面がありません。"},
    {"model.no-texture-material", u"テクスチャーが指定されたマテリアルがありません。"},
    {"model.texture-not-png", u"最初のマテリアルのテクスチャーがPNG形式の画像ではありません。"},
    {"model.texture-unreadable", u"最初のマテリアルのテクスチャーファイルが見つかりません。"},
    {"model.texture-too-large",
     u"最初のマテリアルのテクスチャーが256×256ピクセルより大きい画像です。"},
    {"model.texture-path-too-long", u"最初のマテリアルのテクスチャーのパスが長すぎます。"},
    // What converts but is likely wrong.
    {"model.near-capacity", u"モデルの大きさが、設定できる上限に近づいています。"},
    {"mtl.texture-unreadable",
     u"テクスチャーを読み込めないため、このマテリアルの部分は空になります。"},
    {"mtl.tim-color-depth", u"TIM形式のテクスチャーの色数に対応していません。"},
    {"mtl.tim-missing", u"TIM形式のテクスチャーファイルが見つかりません。"},
    {"mtl.unused-texture", u"このテクスチャーのマテリアルを使う面がありません。"},
    {"obj.degenerate-triangle", u"面積のない三角形があります。"},
    {"obj.face-without-material", u"最初のusemtlより前の面には、テクスチャーが貼られません。"},
    {"obj.ignored-statement", u"この行は読み飛ばされます。"},
    {"obj.material-without-texture",
     u"テクスチャーのないマテリアルが指定されています。面は前のマテリアルのままになります。"},
    {"obj.mtl-unreadable", u"OBJファイルで指定されているMTLファイルを読み込めません。"},
    {"obj.non-finite", u"数値として扱えない座標があります。"},
    {"obj.polygon-cut", u"頂点が5つ以上ある面は、最初の4つの頂点だけが使われます。"},
    {"obj.short-face", u"頂点が3つより少ない面は無視されます。"},
    {"obj.texcoord-outside",
     u"テクスチャー座標が0～1の範囲を外れているため、面がマテリアルの画像からはみ出します。"},
    {"obj.unknown-material",
     u"読み込んだMTLファイルにないマテリアルが指定されています。面は前のマテリアルのままになります"
     u"。"},
    // Container files.
    {"container.unreadable", u"コンテナファイルを読み込めません。"},
    {"container.too-large", u"ファイルが大きすぎるため、開けません。"},
    {"container.not-container", u"コンテナファイルではありません。"},
    {"container.damaged", u"コンテナファイルが破損しています。"},
    {"container.block-missing", u"3Dモデル、テクスチャーまたはサイドビューがありません。"},
    {"container.image-not-png", u"テクスチャーかサイドビューがPNG形式の画像ではありません。"},
    {"container.image-too-large",
     u"テクスチャーかサイドビューが256×256ピクセルより大きい画像です。"},
    {"container.text-unterminated", u"名前や説明の文字列が途中で切れています。"},
    {"container.texture-size-mismatch",
     u"テクスチャーの大きさが、記録されている大きさと違います。"},
    {"container.type-not-offered", u"「パラメーター設定」で選べない種別が設定されています。"},
    {"container.length-out-of-range", u"全長が0～50,000 mmの範囲を外れています。"},
    {"container.length-differs", u"3Dモデルの長さが全長と合っていません。"},
    // Folders walked for files to check.
    {"walk.folder-unreadable", u"フォルダーを読み込めません。"},
    {"walk.name-not-utf8", u"ファイル名を読み取れないため、開けません。名前を変えてください。"},
    {"walk.too-deep", u"フォルダーが深すぎるため、中を確認していません。"},
};

// Kinds of problem shown in a box; the rest are counted.
constexpr std::size_t kGroupsShown = 20;
// Lines named per kind of problem.
constexpr std::size_t kLinesShown = 3;

struct Group {
  const Diagnostic* first = nullptr;
  std::uint64_t count = 0;
  std::vector<std::uint32_t> lines;
};

std::vector<Group> groupsOf(std::span<const Diagnostic> problems) {
  std::vector<Group> groups;
  for (const Diagnostic& problem : problems) {
    auto same = std::find_if(groups.begin(), groups.end(), [&](const Group& group) {
      return group.first->code == problem.code && group.first->file == problem.file;
    });
    if (same == groups.end()) same = groups.insert(groups.end(), Group{&problem, 0, {}});
    ++same->count;
    if (problem.line > 0 && same->lines.size() < kLinesShown) same->lines.push_back(problem.line);
  }
  // Errors first, each severity in the order found.
  std::stable_partition(groups.begin(), groups.end(), [](const Group& group) {
    return group.first->severity == Severity::Error;
  });
  return groups;
}

// "・【エラー】box.obj 12、15行目ほか（5か所）：…"
std::u16string groupLine(const Group& group) {
  const Diagnostic& problem = *group.first;
  std::u16string line = problem.severity == Severity::Error ? u"・【エラー】" : u"・【警告】";
  line += fileName(problem.file);
  if (!group.lines.empty()) {
    line += u" ";
    for (std::size_t i = 0; i < group.lines.size(); ++i) {
      if (i > 0) line += u"、";
      line += plain(group.lines[i]);
    }
    line += u"行目";
    if (group.count > group.lines.size()) line += u"ほか";
  }
  if (group.count > 1) line += fillPattern(u"（%1か所）", {grouped(group.count)});
  line += u"：";
  const std::u16string_view text = checkProblemText(problem.code);
  line += text.empty() ? fillPattern(u"その他の問題です（%1）。", {fromUtf8(problem.code)})
                       : std::u16string(text);
  return line;
}

}  // namespace

std::u16string_view checkProblemText(std::string_view code) {
  for (const ProblemText& entry : kProblemTexts) {
    if (entry.code == code) return entry.text;
  }
  return {};
}

std::u16string checkReportText(std::u16string_view path, std::span<const Diagnostic> problems) {
  if (problems.empty()) return u"問題は見つかりませんでした。\n" + std::u16string(path);
  const auto errors = static_cast<std::uint64_t>(
      std::count_if(problems.begin(), problems.end(),
                    [](const Diagnostic& problem) { return problem.severity == Severity::Error; }));
  std::u16string text = fillPattern(u"エラーが%1件、警告が%2件見つかりました。\n",
                                    {grouped(errors), grouped(problems.size() - errors)}) +
                        std::u16string(path) + u"\n";
  const std::vector<Group> groups = groupsOf(problems);
  for (std::size_t i = 0; i < groups.size() && i < kGroupsShown; ++i)
    text += u"\n" + groupLine(groups[i]);
  if (groups.size() > kGroupsShown)
    text +=
        fillPattern(u"\nほかに%1種類の問題があります。", {grouped(groups.size() - kGroupsShown)});
  return text;
}

}  // namespace qel::resources
