// The window's code on a face without any toolkit: the lesson walked step
// by step, the turning bounds, restart, disabled controls, typed text,
// printing, the error boundary and the end of the program. No Qt here.

#include "fake_face.h"
#include "lesson_rows.h"
#include "null_surface.h"

#include "lesson/layout.h"
#include "lesson/texts.h"
#include "model/checked16.h"

#include <gtest/gtest.h>

using namespace godo;
using namespace godo::test;

namespace {

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info)
{
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

bool alwaysOn(const FakeFace& f)
{
    return f.isEnabled(Control::Command1) && f.isEnabled(Control::saisyo) && f.isEnabled(Control::owari);
}

} // namespace

// --- the lesson, walked ------------------------------------------------------

class Lesson : public testing::TestWithParam<LessonRow> {};

TEST_P(Lesson, stateFieldAndFlags)
{
    const LessonRow& r = GetParam();
    LessonDriver d;
    ASSERT_TRUE(d.run(r.steps));
    const FigureState& s = d.form.state();
    EXPECT_EQ(s.kakudo, r.kakudo);
    EXPECT_EQ(s.fKatei, r.fKatei);
    EXPECT_EQ(s.fSankaku, r.fSankaku);
    EXPECT_EQ(s.fHenkaku, r.fHenkaku);
    EXPECT_EQ(s.fGodo, r.fGodo);
    EXPECT_EQ(s.nKeturon, r.nKeturon);
    EXPECT_EQ(s.Px, r.Px);
    EXPECT_EQ(s.Qx, r.Qx);
    EXPECT_TRUE(d.face.field == r.field);
    EXPECT_EQ(d.flags(), r.flags);
    EXPECT_TRUE(alwaysOn(d.face));
    EXPECT_TRUE(d.face.messages.empty());
    EXPECT_TRUE(d.face.caption == texts::kCaption);
}

INSTANTIATE_TEST_SUITE_P(Walks, Lesson, testing::ValuesIn(lessonRows()), rowName<LessonRow>);

class Turning : public testing::TestWithParam<TurningRow> {};

TEST_P(Turning, stopsAtTheEndsAndStillEnablesTheList)
{
    const TurningRow& r = GetParam();
    LessonDriver d;
    ASSERT_TRUE(d.run({"katei", std::string(r.button) + "*" + std::to_string(r.clicks - 1)}));
    // The last click enables the list again, also when its step is taken back.
    d.face.setEnabled(Control::keturon, false);
    ASSERT_TRUE(d.run({r.button}));
    EXPECT_EQ(d.form.state().kakudo, r.kakudo);
    EXPECT_EQ(d.form.state().Px, r.Px);
    EXPECT_EQ(d.form.state().Qx, r.Qx);
    EXPECT_TRUE(d.face.isEnabled(Control::keturon));
    // Both passes ran: the figure is the draw pass at the angle that stays.
    EXPECT_EQ(d.face.list.ops().front().kind, OpKind::Clear);
}

INSTANTIATE_TEST_SUITE_P(Bounds, Turning, testing::ValuesIn(turningRows()), rowName<TurningRow>);

// --- restart -----------------------------------------------------------------

class Restart : public testing::TestWithParam<RestartRow> {};

TEST_P(Restart, equalsTheFirstStart)
{
    LessonDriver used;
    ASSERT_TRUE(used.run(GetParam().steps));
    ASSERT_TRUE(used.run({"saisyo"}));
    LessonDriver fresh;
    EXPECT_TRUE(used.form.state() == fresh.form.state());
    EXPECT_EQ(used.form.state().Px, lessonRows().front().Px);
    EXPECT_EQ(used.form.state().Qx, lessonRows().front().Qx);
    EXPECT_TRUE(used.face.field == texts::kConclusionHeading);
    EXPECT_EQ(used.face.entry, 0);
    EXPECT_TRUE(used.face.enabledFlags == fresh.face.enabledFlags);
    EXPECT_TRUE(used.face.list.ops() == fresh.face.list.ops());
    EXPECT_TRUE(used.face.description == fresh.face.description);
}

INSTANTIATE_TEST_SUITE_P(From, Restart, testing::ValuesIn(restartRows()), rowName<RestartRow>);

// --- what runs nothing ---------------------------------------------------------

class Nothing : public testing::TestWithParam<NothingRow> {};

TEST_P(Nothing, changesNeitherStateNorFigure)
{
    const NothingRow& r = GetParam();
    LessonDriver d;
    ASSERT_TRUE(d.run(r.steps));
    const FigureState before = d.form.state();
    const auto flags = d.face.enabledFlags;
    const auto ops = d.face.list.ops();
    const unsigned generation = d.face.list.generation();
    ASSERT_TRUE(d.run({r.then}));
    EXPECT_TRUE(d.form.state() == before);
    EXPECT_TRUE(d.face.enabledFlags == flags);
    EXPECT_TRUE(d.face.list.ops() == ops);
    EXPECT_EQ(d.face.list.generation(), generation);
}

INSTANTIATE_TEST_SUITE_P(Steps, Nothing, testing::ValuesIn(nothingRows()), rowName<NothingRow>);

TEST(Typing, theNextChoiceDecidesTheConclusion)
{
    LessonDriver d;
    ASSERT_TRUE(d.run({"katei", "migi*4", "pick:3", "type:ＡＰ＝ＢＱ"}));
    EXPECT_EQ(d.form.state().nKeturon, 2);
    ASSERT_TRUE(d.run({"down"}));
    EXPECT_EQ(d.form.state().nKeturon, 3);
    EXPECT_TRUE(d.face.field == texts::kConclusionAngles);
}

// --- printing and the end ------------------------------------------------------

TEST(Printing, makesTheFigureThePictureAndChangesNothing)
{
    LessonDriver d;
    ASSERT_TRUE(d.run(wholeLessonAnd({})));
    const FigureState before = d.form.state();
    const auto flags = d.face.enabledFlags;
    for (int time = 1; time <= 2; ++time) {
        ASSERT_TRUE(d.run({"Command1"}));
        EXPECT_EQ(d.face.prints, time);
        EXPECT_TRUE(d.face.list.picture() == d.face.list.ops());
        EXPECT_TRUE(d.form.state() == before);
        EXPECT_TRUE(d.face.enabledFlags == flags);
        EXPECT_TRUE(d.face.messages.empty());
    }
}

TEST(Printing, aFailureIsShownAndTheLessonGoesOn)
{
    LessonDriver d;
    ASSERT_TRUE(d.run({"katei", "hidari*2"}));
    const FigureState before = d.form.state();
    const auto flags = d.face.enabledFlags;
    const auto ops = d.face.list.ops();
    d.face.printFailure = u"印刷できませんでした。何も印刷されていません。";
    ASSERT_TRUE(d.run({"Command1", "Command1"}));
    ASSERT_EQ(d.face.messages.size(), 2u);
    EXPECT_TRUE(d.face.messages[1] == *d.face.printFailure);
    EXPECT_EQ(d.face.prints, 0);
    EXPECT_TRUE(d.form.state() == before);
    EXPECT_TRUE(d.face.enabledFlags == flags);
    EXPECT_TRUE(d.face.list.ops() == ops);
    ASSERT_TRUE(d.run({"hidari"}));
    EXPECT_EQ(d.form.state().kakudo, 20);
}

TEST(Owari, endsTheProgramAndChangesNothing)
{
    LessonDriver d;
    ASSERT_TRUE(d.run({"katei", "migi"}));
    const FigureState before = d.form.state();
    ASSERT_TRUE(d.run({"owari"}));
    EXPECT_EQ(d.face.ends, 1);
    EXPECT_TRUE(d.form.state() == before);
}

// --- the error boundary ----------------------------------------------------------

class Overflow : public testing::TestWithParam<OverflowRow> {};

TEST_P(Overflow, stopsTheHandlerAndTheLessonGoesOn)
{
    const OverflowRow& r = GetParam();
    LessonDriver d;
    ASSERT_TRUE(d.run(r.steps));
    FigureState& s = d.form.stateForTesting();
    const int16_t sane = s.*r.field;
    s.*r.field = r.value;

    ASSERT_TRUE(d.run({r.button}));
    ASSERT_EQ(d.face.messages.size(), 1u);
    EXPECT_TRUE(d.face.messages[0] == texts::kOverflow);
    EXPECT_EQ(d.form.state().kakudo, r.kakudoAfterError);
    EXPECT_EQ(d.form.state().fHenkaku, r.fHenkakuAfterError);
    EXPECT_EQ(d.flags(), r.flagsAfterError);

    if (std::string(r.repair) == "restore") {
        d.form.stateForTesting().*r.field = sane;
        ASSERT_TRUE(d.run({r.button}));
    } else {
        ASSERT_TRUE(d.run({r.repair}));
    }
    EXPECT_EQ(d.face.messages.size(), 1u);
    EXPECT_EQ(d.form.state().kakudo, r.kakudoAfterRepair);
    EXPECT_EQ(d.form.state().fHenkaku, r.fHenkakuAfterRepair);
    EXPECT_EQ(d.flags(), r.flagsAfterRepair);
}

INSTANTIATE_TEST_SUITE_P(Forced, Overflow, testing::ValuesIn(overflowRows()), rowName<OverflowRow>);

TEST(ErrorBoundary, anUnexpectedErrorIsNamedInTheMessage)
{
    // A surface that fails as a platform's drawing can: any error that is not
    // the program's own still ends only the handler.
    struct Throwing final : NullSurface {
        void clear() override { throw std::out_of_range("colour index outside 0..15"); }
    };
    struct ThrowingFace final : Face {
        FakeFace base;
        Throwing surface;
        void setEnabled(Control c, bool on) override { base.setEnabled(c, on); }
        std::u16string keturonText() const override { return base.keturonText(); }
        void setKeturonText(std::u16string_view t) override { base.setKeturonText(t); }
        void setCaption(std::u16string_view c) override { base.setCaption(c); }
        Surface& gamen() override { return surface; }
        void setFigureDescription(std::u16string_view t) override { base.setFigureDescription(t); }
        void printWindow() override {}
        void end() override {}
        void showMessage(std::u16string_view m) override { base.showMessage(m); }
    } face;
    Form1 form(face);
    form.load();
    ASSERT_EQ(face.base.messages.size(), 1u);
    EXPECT_TRUE(face.base.messages[0]
                == std::u16string(texts::kUnexpectedBefore) + u"colour index outside 0..15"
                       + std::u16string(texts::kUnexpectedAfter));
    // The load step stopped at the draw pass, after the disabling.
    EXPECT_FALSE(face.base.isEnabled(Control::godo));
    EXPECT_TRUE(face.base.description.empty());
}
