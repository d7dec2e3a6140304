#include "lesson/readings.h"

#include "draw/colour_scheme.h"
#include "draw/figure.h"
#include "lesson/figure_description.h"
#include "lesson/support.h"
#include "lesson/texts.h"
#include <utility>

namespace godo {

namespace {

// A text and its runs, written inline: [base|reading] a run with ruby,
// {base|reading} a run read aloud as the reading says (nothing, where it is
// empty) but shown without ruby, anything else read as written. The bases put together are the text, code point for code
// point (the core's suite checks it).
struct Annotated {
    std::u16string_view text;
    std::u16string_view runs;
};

namespace t = texts;
namespace p = texts::print;
namespace d = texts::description;
namespace s = texts::support;
namespace e = texts::figure_export;

const Annotated kTable[] = {
    {t::kCaption, u"[三角形|さんかくけい]の[合同条件|ごうどうじょうけん]の[使|つか]い[方|かた]{(q.Sorano)|（そらの）}"},
    {t::kConclusionHeading, u"{　　　　|}[結論|けつろん]"},
    {t::kConclusionApBq, u"{ＡＰ＝ＢＱ|エーピー イコール ビーキュー}"},
    {t::kConclusionPmQm, u"{ＰＭ＝ＱＭ|ピーエム イコール キューエム}"},
    {t::kConclusionAngles, u"{∠APM＝∠BQM|かく エーピーエム イコール かく ビーキューエム}"},
    {t::kPrint, u"[印刷|いんさつ]"},
    {t::kGodo, u"[合同条件|ごうどうじょうけん]"},
    {t::kHenkaku, u"[等|ひと]しい[辺|へん]{・|、}[角|かく]"},
    {t::kSankaku, u"[注目|ちゅうもく]する[三角形|さんかくけい]"},
    {t::kKatei, u"[仮定|かてい]"},
    {t::kOwari, u"[終了|しゅうりょう]"},
    {t::kSaisyo, u"[最初|さいしょ]"},
    {t::kMigi, u"[右回転|みぎかいてん]"},
    {t::kHidari, u"[左回転|ひだりかいてん]"},
    {t::kLabel1, u"[証明|しょうめい]の[進|すす]め[方|かた]"},
    {t::kLabel3, u"[直線|ちょくせん]{ｎ|エヌ}の[移動|いどう]"},
    {kGodoSentence, u"[1辺|いっぺん]とその[両端|りょうたん]の[角|かく]がそれぞれ[等|ひと]しい｡ "},
    {t::kGamenName, u"[図形|ずけい]"},
    {t::kOpenList, u"[一覧|いちらん]を[開|ひら]く"},
    {t::kEnded, u"プログラムを[終了|しゅうりょう]しました。このタブを[閉|と]じてください。"},
    {t::kOverflow, u"[計算|けいさん]の[途中|とちゅう]で[桁|けた]あふれ（オーバーフロー）が[起|お]きたため、この"
                   u"[操作|そうさ]は[途中|とちゅう]で[止|と]まりました。"},
    {t::kFloatingPoint, u"[計算|けいさん]の[途中|とちゅう]で[浮動小数点演算|ふどうしょうすうてんえんざん]のエラーが"
                        u"[起|お]きたため、この[操作|そうさ]は[途中|とちゅう]で[止|と]まりました。"},
    {t::kUnexpectedBefore, u"[予期|よき]しないエラー（"},
    {t::kUnexpectedAfter, u"）が[起|お]きたため、この[操作|そうさ]は[途中|とちゅう]で[止|と]まりました。"},
    {p::kHeld, u"プリンター「%1」は[停止|ていし]しています。[印刷|いんさつ]はジョブ[番号|ばんごう] %2 として"
               u"[受|う]け[付|つ]けられ、プリンターが[再開|さいかい]されるまで[待|ま]っています。まだ"
               u"[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kNoServer, u"[印刷|いんさつ]サーバーに[接続|せつぞく]できなかったため、[印刷|いんさつ]できませんでした。"
                   u"[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kNoAnswer, u"[印刷|いんさつ]サーバーが%1[秒|びょう][以内|いない]に[応答|おうとう]しなかったため、"
                   u"[印刷|いんさつ]をやめました。[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kNoDefault, u"[既定|きてい]のプリンターが[見|み]つからないため、[印刷|いんさつ]できませんでした。"
                    u"[何|なに]も[印刷|いんさつ]されていません。[既定|きてい]のプリンターは"
                    u"「lpoptions -d プリンター[名|めい]」で[設定|せってい]できます。"},
    {p::kNotAccepting, u"プリンター「%1」が[印刷|いんさつ]を[受|う]け[付|つ]けていないため、"
                       u"[印刷|いんさつ]できませんでした。[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kRefused, u"[印刷|いんさつ]サーバーがプリンター「%1」への[印刷|いんさつ]を[断|ことわ]ったため、"
                  u"[印刷|いんさつ]できませんでした。[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kIncomplete, u"[印刷|いんさつ]するページをプリンター「%1」へ[最後|さいご]まで[送|おく]れなかったため、"
                     u"[印刷|いんさつ]できませんでした。"},
    {p::kIncompleteCancelled, u"[途中|とちゅう]まで[送|おく]ったジョブ（[番号|ばんごう] %1）は"
                              u"[取|と]り[消|け]しました。[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kIncompleteKept, u"[途中|とちゅう]まで[送|おく]ったジョブ（[番号|ばんごう] %1）は、ページがないため"
                         u"[印刷|いんさつ]されません。"},
    {p::kNoCupsLibrary, u"[印刷|いんさつ]に[使|つか]う CUPS のライブラリー（libcups2）が[見|み]つからないため、"
                        u"[印刷|いんさつ]できませんでした。[何|なに]も[印刷|いんさつ]されていません。"},
    {p::kNoDocument, u"[印刷|いんさつ]するページを[作|つく]れなかったため、[印刷|いんさつ]できませんでした。"
                     u"[何|なに]も[印刷|いんさつ]されていません。"},
    {d::kFigure, u"[平行|へいこう]な[直線|ちょくせん]{ｌ|エル}と{ｍ|エム}、[線分|せんぶん]{ＡＢ|エービー}とその"
                 u"[中点|ちゅうてん]{Ｍ|エム}、{Ｍ|エム}を[通|とお]る[直線|ちょくせん]{ｎ|エヌ}{（|、}"},
    {d::kDegrees, u"[度|ど]{）|}。"},
    {d::kCrossing, u"[直線|ちょくせん]{ｎ|エヌ}と{ｌ|エル}の[交点|こうてん]{Ｐ|ピー}、{ｍ|エム}との"
                   u"[交点|こうてん]{Ｑ|キュー}。"},
    {d::kParallel, u"[直線|ちょくせん]{ｎ|エヌ}は{ｌ|エル}と{ｍ|エム}に[平行|へいこう]で、[交点|こうてん]{Ｐ|ピー}、"
                   u"{Ｑ|キュー}はない。"},
    {d::kHypothesis, u"[仮定|かてい]の[印|しるし]{：|、}"},
    {d::kConclusion, u"。[結論|けつろん]{：|、}"},
    {d::kTriangles, u"。[注目|ちゅうもく]する[三角形|さんかくけい]{：|、}"},
    {d::kAngles, u"。[等|ひと]しい[角|かく]の[印|しるし]{：|、}"},
    {d::kCondition, u"。[合同条件|ごうどうじょうけん]{：|、}"},
    {d::kShown, u"[表示|ひょうじ]"},
    {s::kColours, u"[配色|はいしょく]"},
    {s::kFont, u"[文字|もじ]の[形|かたち]"},
    {s::kFontStandard, u"[標準|ひょうじゅん]"},
    {s::kFontUd, u"UDフォント（[読|よ]みやすい[形|かたち]）"},
    {s::kSpeech, u"[読|よ]み[上|あ]げ"},
    {e::kCopy, u"[図|ず]をコピー"},
    {e::kSave, u"[図|ず]を[保存|ほぞん]…"},
    {e::kSaveTitle, u"[図|ず]を[保存|ほぞん]"},
    {e::kSavePng, u"[図|ず]を[保存|ほぞん]（PNG）…"},
    {e::kNoClipboard, u"このブラウザーでは[図|ず]をクリップボードにコピーできませんでした。"
                      u"「[図|ず]を[保存|ほぞん]…」でファイルに[保存|ほぞん]できます。"},
    {e::kFilterSvg, u"SVG [画像|がぞう] (*.svg)"},
    {e::kFilterPng, u"PNG [画像|がぞう] (*.png)"},
    {e::kFilterPdf, u"PDF [文書|ぶんしょ] (*.pdf)"},
    {e::kNotWritten, u"ファイル「%1」に[書|か]き[込|こ]めなかったため、[図|ず]を[保存|ほぞん]できませんでした。"
                     u"[書|か]きかけのファイルは[残|のこ]っていません。"},
    {s::kReadAgain, u"もう[一度|いちど][読|よ]み[上|あ]げる{（F8）|}"},
    {s::kNoJapaneseVoice, u"[日本語|にほんご]の[音声|おんせい]が[見|み]つからないため、[読|よ]み[上|あ]げできません。"},
    {s::kJapaneseVoicePackage, u"パッケージ speech-dispatcher-espeak-ng を[入|い]れると[読|よ]み[上|あ]げられます。"},
};

// The colour schemes' captions live with their colours.
const struct {
    ColourSchemeId scheme;
    std::u16string_view runs;
} kSchemeCaptions[] = {
    {ColourSchemeId::Standard, u"[標準|ひょうじゅん]"},
    {ColourSchemeId::Cud, u"[色覚|しきかく]サポート（CUD）"},
    {ColourSchemeId::WhiteOnBlack, u"[白黒反転|しろくろはんてん]"},
    {ColourSchemeId::YellowOnBlack, u"[黄|き]{×|と}[黒|くろ]"},
    {ColourSchemeId::Paper, u"[印刷用|いんさつよう]（[白地|しろじ]）"},
};

std::vector<ReadingRun> parse(std::u16string_view a)
{
    std::vector<ReadingRun> runs;
    while (!a.empty()) {
        const char16_t open = a.front();
        if (open == u'[' || open == u'{') {
            const char16_t close = open == u'[' ? u']' : u'}';
            const std::size_t bar = a.find(u'|'), end = a.find(close);
            runs.push_back({std::u16string(a.substr(1, bar - 1)), std::u16string(a.substr(bar + 1, end - bar - 1)),
                            open == u'['});
            a.remove_prefix(end + 1);
        } else {
            const std::u16string plain(a.substr(0, a.find_first_of(u"[{")));
            runs.push_back({plain, plain, false});
            a.remove_prefix(plain.size());
        }
    }
    return runs;
}

std::u16string_view findRuns(std::u16string_view text)
{
    for (const Annotated& a : kTable)
        if (a.text == text)
            return a.runs;
    for (const auto& c : kSchemeCaptions)
        if (colourScheme(c.scheme).caption == text)
            return c.runs;
    return {};
}

// Where a message's filled-in parts go: %1, %2.
bool placeholderAt(std::u16string_view s, std::size_t i)
{
    return i + 1 < s.size() && s[i] == u'%' && s[i + 1] >= u'1' && s[i + 1] <= u'9';
}

// If the table's text of `annotated` stands at the start of `text`, adds its
// runs to `out` and gives the length it covers, else 0. A placeholder takes
// what lies up to the template's next character.
std::size_t matchAt(std::u16string_view text, std::u16string_view annotated, std::vector<ReadingRun>& out)
{
    std::vector<ReadingRun> runs = parse(annotated);
    std::size_t at = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        ReadingRun& run = runs[r];
        std::u16string filled;
        const std::u16string& base = run.base;
        for (std::size_t i = 0; i < base.size(); ++i) {
            if (!placeholderAt(base, i)) {
                if (at >= text.size() || text[at] != base[i])
                    return 0;
                filled += text[at++];
                continue;
            }
            std::u16string next = base.substr(i + 2, 1);
            if (next.empty() && r + 1 < runs.size())
                next = runs[r + 1].base.substr(0, 1);
            const std::size_t end = next.empty() ? text.size() : text.find(next, at);
            if (end == std::u16string_view::npos || end == at)
                return 0;
            filled += text.substr(at, end - at);
            at = end;
            ++i;
        }
        if (!run.ruby && run.reading == run.base)
            run.reading = filled;
        run.base = filled;
    }
    out.insert(out.end(), runs.begin(), runs.end());
    return at;
}

} // namespace

std::vector<ReadingRun> readingRuns(std::u16string_view text)
{
    if (const std::u16string_view runs = findRuns(text); !runs.empty())
        return parse(runs);
    std::vector<ReadingRun> out;
    std::u16string plain;
    const auto flush = [&] {
        if (!plain.empty())
            out.push_back({plain, plain, false});
        plain.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        // The longest of the table's texts that stands here.
        std::vector<ReadingRun> best;
        std::size_t length = 0;
        for (const Annotated& a : kTable) {
            std::vector<ReadingRun> runs;
            const std::size_t n = matchAt(text.substr(i), a.runs, runs);
            if (n > length) {
                length = n;
                best = std::move(runs);
            }
        }
        if (length == 0) {
            plain += text[i++];
            continue;
        }
        flush();
        out.insert(out.end(), best.begin(), best.end());
        i += length;
    }
    flush();
    return out;
}

std::u16string spokenText(std::u16string_view text)
{
    std::u16string out;
    for (const ReadingRun& r : readingRuns(text))
        out += r.reading;
    return out;
}

SpokenPress spokenPress(std::u16string_view caption, const FigureState& state)
{
    SpokenPress out{spokenText(caption), {}};
    for (const std::u16string& piece : figureDescriptionPieces(state))
        out.figure += spokenText(piece);
    return out;
}

std::u16string spokenAfterPress(std::u16string_view caption, const FigureState& state)
{
    SpokenPress press = spokenPress(caption, state);
    return press.caption + std::u16string(texts::support::kSpeechPause) + press.figure;
}

std::vector<std::u16string> textsWithReadings()
{
    std::vector<std::u16string> out;
    for (const Annotated& a : kTable)
        out.emplace_back(a.text);
    for (const auto& c : kSchemeCaptions)
        out.emplace_back(colourScheme(c.scheme).caption);
    return out;
}

bool isKanji(char32_t c)
{
    // CJK unified ideographs and their extension A, the compatibility
    // ideographs, and the iteration mark 々.
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF)
        || c == 0x3005;
}

} // namespace godo
