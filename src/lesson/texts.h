#pragma once
// Every text the window shows, code point for code point, as UTF-16.

#include <string_view>

namespace godo::texts {

// What the desktop program says on its error output and to --help, before
// any window opens: UTF-8, Japanese and English, as a terminal shows them.
// %s stands for what the program fills in.
namespace cli {
inline constexpr std::string_view kNoDisplay =
    "godojoken: 画面（ディスプレイ）に接続できないため起動できません。 / "
    "cannot start: no display to connect to (set DISPLAY, or run it under xvfb-run).\n";
// %s: the display, as DISPLAY names it.
inline constexpr const char* kDisplayUnreachable =
    "godojoken: 画面（ディスプレイ）%s に接続できないため起動できません。 / "
    "cannot start: cannot connect to the display %s.\n";
// %s: the platform, as QT_QPA_PLATFORM names it.
inline constexpr const char* kPlatformFailed =
    "godojoken: 表示の仕組み %s を始められないため起動できません。 / "
    "cannot start: the display platform %s could not be started.\n";
// %s: the value of QT_SCALE_FACTOR.
inline constexpr const char* kBadScaleFactor =
    "godojoken: QT_SCALE_FACTOR の値 '%s' は使えません（0 より大きい数にしてください）。 / "
    "cannot start: QT_SCALE_FACTOR '%s' is not a usable scale (give a number above 0).\n";
inline constexpr std::string_view kSynopsis =
    "godojoken [--projector] [--colors=NAME] [--font=NAME] [--ruby] [--speech] [--rate=NAME]";
// %s: the synopsis, then the values of --colors, of --font and of --rate.
inline constexpr const char* kUsage =
    "Usage: %s\n"
    "  --projector    open the window as large as the screen allows (for a projector)\n"
    "  --colors=NAME  the colour scheme: %s\n"
    "  --font=NAME    the face of the texts: %s (ud: BIZ UDPGothic)\n"
    "  --ruby         the reading (furigana) above every kanji (--ruby=off: none)\n"
    "  --speech       read each step aloud (--speech=off: silent)\n"
    "  --rate=NAME    how fast it reads: %s\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n"
    "The support menu (the right mouse button, the Menu key or Shift+F10 in the\n"
    "window) changes the same settings; the choice is kept for the next start.\n";
// %s: what was given, then the synopsis.
inline constexpr const char* kUnknownArgument = "godojoken: unknown argument '%s' (usage: %s)\n";
// %s: the value, the option, the values it takes.
inline constexpr const char* kUnknownValue = "godojoken: unknown value '%s' for --%s (one of %s)\n";
inline constexpr const char* kCannotRunAgain = "godojoken: cannot run itself again (%s); opening at scale 1\n";
} // namespace cli


inline constexpr std::u16string_view kInitialCaption = u"Form1"; // replaced before the window shows
inline constexpr std::u16string_view kCaption = u"三角形の合同条件の使い方(q.Sorano)";

// The field of the conclusion list at start, and the list's first entry:
// four ideographic spaces, then 結論.
inline constexpr std::u16string_view kConclusionHeading = u"\u3000\u3000\u3000\u3000結論";
inline constexpr std::u16string_view kConclusionApBq = u"ＡＰ＝ＢＱ";
inline constexpr std::u16string_view kConclusionPmQm = u"ＰＭ＝ＱＭ";
inline constexpr std::u16string_view kConclusionAngles = u"∠APM＝∠BQM";

inline constexpr std::u16string_view kPrint = u"印刷";
inline constexpr std::u16string_view kGodo = u"合同条件";
inline constexpr std::u16string_view kHenkaku = u"等しい辺・角";
inline constexpr std::u16string_view kSankaku = u"注目する三角形";
inline constexpr std::u16string_view kKatei = u"仮定";
inline constexpr std::u16string_view kOwari = u"終了";
inline constexpr std::u16string_view kSaisyo = u"最初";
inline constexpr std::u16string_view kMigi = u"右回転";
inline constexpr std::u16string_view kHidari = u"左回転";
inline constexpr std::u16string_view kLabel1 = u"証明の進め方";
inline constexpr std::u16string_view kLabel3 = u"直線ｎの移動";

// The picture area's name for screen readers.
inline constexpr std::u16string_view kGamenName = u"図形";
// The name of the button that opens the conclusion list, for screen readers.
inline constexpr std::u16string_view kOpenList = u"一覧を開く";
// In the browser, what stays of the page after 「終了」 where the page may not
// close its tab.
inline constexpr std::u16string_view kEnded = u"プログラムを終了しました。このタブを閉じてください。";
// The button that closes the browser's message dialog.
inline constexpr std::u16string_view kMessageOk = u"OK";

// The support menu: how the lesson looks, for every pupil.
namespace support {
inline constexpr std::u16string_view kMenu = u"サポート";
inline constexpr std::u16string_view kColours = u"配色";
inline constexpr std::u16string_view kFont = u"文字の形";
inline constexpr std::u16string_view kFontStandard = u"標準";
inline constexpr std::u16string_view kFontUd = u"UDフォント（読みやすい形）";
inline constexpr std::u16string_view kRuby = u"ルビ（ふりがな）";
inline constexpr std::u16string_view kSpeech = u"読み上げ";
inline constexpr std::u16string_view kRateSlower = u"ゆっくり";
inline constexpr std::u16string_view kRateNormal = u"ふつう";
inline constexpr std::u16string_view kRateFaster = u"はやく";
inline constexpr std::u16string_view kReadAgain = u"もう一度読み上げる（F8）";
// Said once, where the device has no Japanese voice to read with; the
// desktop adds which of Debian's packages brings one.
inline constexpr std::u16string_view kNoJapaneseVoice = u"日本語の音声が見つからないため、読み上げできません。";
inline constexpr std::u16string_view kJapaneseVoicePackage =
    u"パッケージ speech-dispatcher-espeak-ng を入れると読み上げられます。";
// Between what was pressed and what the figure now shows, when read aloud.
inline constexpr std::u16string_view kSpeechPause = u"。";
} // namespace support

// What a screen reader, and read-aloud, say the figure shows: the pieces of
// the description, in the order they are put together.
namespace description {
inline constexpr std::u16string_view kFigure = u"平行な直線ｌとｍ、線分ＡＢとその中点Ｍ、Ｍを通る直線ｎ（";
inline constexpr std::u16string_view kDegrees = u"度）。";
inline constexpr std::u16string_view kCrossing = u"直線ｎとｌの交点Ｐ、ｍとの交点Ｑ。";
inline constexpr std::u16string_view kParallel = u"直線ｎはｌとｍに平行で、交点Ｐ、Ｑはない。";
inline constexpr std::u16string_view kHypothesis = u"仮定の印：";
inline constexpr std::u16string_view kConclusion = u"。結論：";
inline constexpr std::u16string_view kTriangles = u"。注目する三角形：";
inline constexpr std::u16string_view kAngles = u"。等しい角の印：";
inline constexpr std::u16string_view kCondition = u"。合同条件：";
inline constexpr std::u16string_view kEnd = u"。";
inline constexpr std::u16string_view kShown = u"表示";
inline constexpr std::u16string_view kNone = u"なし";
} // namespace description
// Taking the figure out for a worksheet or a slide: the support menu's
// entries, the file dialog and what a failed save says; %1 is the file.
namespace figure_export {
inline constexpr std::u16string_view kCopy = u"図をコピー";
inline constexpr std::u16string_view kSave = u"図を保存…";
inline constexpr std::u16string_view kSaveTitle = u"図を保存";
// The browser's second save entry: the page saves each format from an entry of its own.
inline constexpr std::u16string_view kSavePng = u"図を保存（PNG）…";
// Where the browser does not let the page put an image on the clipboard.
inline constexpr std::u16string_view kNoClipboard =
    u"このブラウザーでは図をクリップボードにコピーできませんでした。「図を保存…」でファイルに保存できます。";
// The file's name before the teacher changes it; the format adds its extension.
inline constexpr std::u16string_view kDefaultName = u"図形";
inline constexpr std::u16string_view kFilterSvg = u"SVG 画像 (*.svg)";
inline constexpr std::u16string_view kFilterPng = u"PNG 画像 (*.png)";
inline constexpr std::u16string_view kFilterPdf = u"PDF 文書 (*.pdf)";
inline constexpr std::u16string_view kNotWritten =
    u"ファイル「%1」に書き込めなかったため、図を保存できませんでした。書きかけのファイルは残っていません。";
} // namespace figure_export

// The messages of the error boundary.
inline constexpr std::u16string_view kOverflow =
    u"計算の途中で桁あふれ（オーバーフロー）が起きたため、この操作は途中で止まりました。";
inline constexpr std::u16string_view kFloatingPoint =
    u"計算の途中で浮動小数点演算のエラーが起きたため、この操作は途中で止まりました。";
inline constexpr std::u16string_view kUnexpectedBefore = u"予期しないエラー（";
inline constexpr std::u16string_view kUnexpectedAfter = u"）が起きたため、この操作は途中で止まりました。";

// What 「印刷」 says when nothing, or not yet anything, was printed; %1 and %2
// stand for what the face fills in: the printer's name, a job's number, the
// seconds it waits. Where the server gave a reason, the face adds it in
// brackets (kPrintReason).
namespace print {
inline constexpr std::u16string_view kHeld = u"プリンター「%1」は停止しています。印刷はジョブ番号 %2 として受け付けられ、"
                                             u"プリンターが再開されるまで待っています。まだ何も印刷されていません。";
inline constexpr std::u16string_view kNoServer =
    u"印刷サーバーに接続できなかったため、印刷できませんでした。何も印刷されていません。";
inline constexpr std::u16string_view kNoAnswer =
    u"印刷サーバーが%1秒以内に応答しなかったため、印刷をやめました。何も印刷されていません。";
inline constexpr std::u16string_view kNoDefault =
    u"既定のプリンターが見つからないため、印刷できませんでした。何も印刷されていません。"
    u"既定のプリンターは「lpoptions -d プリンター名」で設定できます。";
inline constexpr std::u16string_view kNotAccepting =
    u"プリンター「%1」が印刷を受け付けていないため、印刷できませんでした。何も印刷されていません。";
inline constexpr std::u16string_view kRefused =
    u"印刷サーバーがプリンター「%1」への印刷を断ったため、印刷できませんでした。何も印刷されていません。";
inline constexpr std::u16string_view kIncomplete =
    u"印刷するページをプリンター「%1」へ最後まで送れなかったため、印刷できませんでした。";
inline constexpr std::u16string_view kIncompleteCancelled =
    u"途中まで送ったジョブ（番号 %1）は取り消しました。何も印刷されていません。";
inline constexpr std::u16string_view kIncompleteKept = u"途中まで送ったジョブ（番号 %1）は、ページがないため印刷されません。";
inline constexpr std::u16string_view kNoCupsLibrary =
    u"印刷に使う CUPS のライブラリー（libcups2）が見つからないため、印刷できませんでした。何も印刷されていません。";
inline constexpr std::u16string_view kNoDocument =
    u"印刷するページを作れなかったため、印刷できませんでした。何も印刷されていません。";
inline constexpr std::u16string_view kReason = u"（%1）";
} // namespace print

} // namespace godo::texts
