#pragma once
// How the lesson's texts are read: each text that holds kanji, as runs of
// base text and its reading, checked by hand for this lesson and this
// subject. Ruby shows a run's reading above it; read-aloud says the reading
// instead of the base, so that neither guesses at 1辺 (いっぺん) or 両端
// (りょうたん). Some runs without kanji are read for the voice alone:
// ＡＰ＝ＢＱ is "エーピー イコール ビーキュー", with no ruby above it.

#include "model/figure_state.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace godo {

struct ReadingRun {
    std::u16string base;
    std::u16string reading; // what read-aloud says for the base
    bool ruby;              // the reading is shown above the base
};

// The runs of `text`. A text the table does not hold whole is read as the
// texts of the table it is made of (a message with a printer's name for its
// %1, two messages one after the other), and what lies between them as
// written.
std::vector<ReadingRun> readingRuns(std::u16string_view text);

// What read-aloud says for `text`: kana, every run's reading in place of its
// base.
std::u16string spokenText(std::u16string_view text);

// What read-aloud says after a press of the control captioned `caption` (or
// the choice of the list's entry of that text): the caption, then what the
// figure in `state` shows. A face that shows which part is being read says
// the two parts one after the other; spokenAfterPress() is both in one text.
struct SpokenPress {
    std::u16string caption;
    std::u16string figure;
};
SpokenPress spokenPress(std::u16string_view caption, const FigureState& state);
std::u16string spokenAfterPress(std::u16string_view caption, const FigureState& state);

// How ruby is set: the reading at this part of its base's size, and the most
// a caption may shrink within its box to make room for it.
inline constexpr double kRubyScale = 0.5;
inline constexpr double kMinRubyBaseScale = 0.8;

// Every text the table holds, for the check that none lacks a reading.
std::vector<std::u16string> textsWithReadings();

// Whether `c` is a kanji, which needs a reading wherever it is shown.
bool isKanji(char32_t c);

} // namespace godo
