#pragma once
// The thirteen controls of the window, in the order of the layout.
//
// Glossary. The lesson's names are Japanese words in the romanisation of its
// author (kunrei-like: "syo", "tu"), or the default names a form designer
// gives; the code keeps them so that a control, its handler and its field of
// the state share one name.
//   Form1     the lesson's window; also the class of its event handlers
//             (Form_Load, katei_Click, …: the load step and one handler per
//             control, named control_Event)
//   gamen     画面, "screen": the picture area the figure is drawn in
//   Label1    the label 「証明の進め方」 ("how the proof goes"), naming keturon
//   Label3    the label 「直線ｎの移動」 ("moving line ｎ"), naming hidari, migi
//   Command1  the button 「印刷」, print: the window on paper
//   katei     仮定, hypothesis: the button 「仮定」 and its marks, ＡＭ＝ＢＭ
//             and ｌ∥ｍ (fKatei)
//   hidari    左, left: 「左回転」 turns ｎ 5 degrees one way
//   migi      右, right: 「右回転」 turns it 5 degrees the other way
//   keturon   結論, conclusion: the list of conclusions to prove, ＡＰ＝ＢＱ,
//             ＰＭ＝ＱＭ, ∠APM＝∠BQM (nKeturon: 0 none, 1..3)
//   sankaku   三角形, triangle: 「注目する三角形」, the two triangles to look
//             at, △ＡＰＭ and △ＢＱＭ (fSankaku)
//   henkaku   辺・角, side and angle: 「等しい辺・角」, the marks of the equal
//             sides and angles (fHenkaku)
//   godo      合同, congruence: 「合同条件」, the congruence condition used,
//             written below ｍ (fGodo)
//   saisyo    最初, the start: 「最初」 goes back to the state of the load step
//   owari     終わり, the end: 「終了」 ends the program
//   zukei     図形, figure: the redraw of the whole figure
//   -zu       図, drawing: kateizu, keturonzu, sankakuzu, henkakuzu, godozu,
//             the drawing of one overlay
//   iro       色, colour: the pen a drawing procedure draws with, 15 (bright
//             white) to draw, 3 (the background's cyan) to erase
//   kakudo    角度, angle: the direction of ｎ in degrees
//   dToR      degrees to radians: 3.14 / 180, as the lesson has it
//   ｌ, ｍ     the parallel lines; Ａ on ｌ, Ｂ on ｍ, Ｍ the midpoint of ＡＢ
//   ｎ        the line through Ｍ that the pupil turns; Ｐ and Ｑ, where it
//             meets ｌ and ｍ

#include <cstdint>

namespace godo {

enum class Control : uint8_t {
    Command1, keturon, godo, henkaku, sankaku, katei, owari, saisyo, migi, hidari, gamen, Label1, Label3
};

inline constexpr int kControlCount = 13;

} // namespace godo
