// A million random events through the window's code on a face without any
// toolkit, each checked against the walk's own model of the lesson: clicks on
// all thirteen controls, enabled or not, list choices with the keys, typed
// text, printing (which fails here) and the end of the program.

#include "fake_face.h"
#include "soak_walk.h"

#include "lesson/layout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

using namespace godo;
using namespace godo::test;

namespace {

Control controlOf(SoakEvent e)
{
    switch (e) {
    case ClickKatei: return Control::katei;
    case ClickHidari: return Control::hidari;
    case ClickMigi: return Control::migi;
    case ClickSankaku: return Control::sankaku;
    case ClickHenkaku: return Control::henkaku;
    case ClickGodo: return Control::godo;
    case ClickSaisyo: return Control::saisyo;
    case ClickCommand1: return Control::Command1;
    case ClickOwari: return Control::owari;
    case ClickGamen: return Control::gamen;
    case ClickLabel1: return Control::Label1;
    default: return Control::Label3;
    }
}

} // namespace

TEST(Soak, randomLesson)
{
    SoakWalk walk;
    const int events = SoakWalk::events(1000000);
    std::printf("soak: seed %llu, %d events\n", static_cast<unsigned long long>(walk.seed()), events);

    LessonDriver d;
    d.face.printFailure = u"印刷できませんでした。";
    SoakModel m;
    int ends = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < events; ++i) {
        const SoakEvent event = walk.next();
        switch (event) {
        case KeyDown:
        case KeyUp:
            ASSERT_TRUE(d.run({event == KeyDown ? "down" : "up"}));
            break;
        case TypeText:
        case TypeAndEnter:
        case TypeAndLeave:
            // Typing, Enter and leaving the field reach no handler; the
            // field keeps the text.
            if (m.keturon) {
                d.face.field = walk.typed();
                m.field = d.face.field;
            }
            break;
        default:
            d.form.clicked(controlOf(event));
            break;
        }
        applyClick(m, event);
        if (event == ClickOwari)
            ++ends;

        const FigureState& s = d.form.state();
        ASSERT_EQ(s.kakudo, m.angle) << "event " << i;
        ASSERT_TRUE(s.fKatei == m.katei && s.fSankaku == m.sankaku) << "event " << i;
        ASSERT_TRUE(s.fHenkaku == m.henkaku && s.fGodo == m.godo) << "event " << i;
        ASSERT_EQ(s.nKeturon, m.conclusion) << "event " << i;
        ASSERT_TRUE(d.face.field == m.field) << "event " << i;
        ASSERT_TRUE(d.face.isEnabled(Control::hidari) == m.hidari && d.face.isEnabled(Control::migi) == m.migi)
            << "event " << i;
        ASSERT_EQ(d.face.isEnabled(Control::keturon), m.keturon) << "event " << i;
        ASSERT_EQ(d.face.isEnabled(Control::sankaku), m.sankakuOn) << "event " << i;
        ASSERT_EQ(d.face.isEnabled(Control::henkaku), m.henkakuOn) << "event " << i;
        ASSERT_EQ(d.face.isEnabled(Control::godo), m.godoOn) << "event " << i;
        // Only a failed print shows a message.
        if (event == ClickCommand1) {
            ASSERT_FALSE(d.face.messages.empty()) << "event " << i;
            d.face.messages.clear();
        }
        ASSERT_TRUE(d.face.messages.empty()) << "event " << i;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %.0f events per second\n", events / seconds);
    EXPECT_EQ(d.face.ends, ends);
}
