// The figure model: the reset, the intersection rule at the telling angles,
// and the 16-bit checked arithmetic at its bounds.

#include "model/checked16.h"
#include "model/figure_state.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>

using namespace godo;

TEST(Model, reset_setsInitialValues)
{
    FigureState s;
    s.kakudo = 170;
    s.fKatei = s.fSankaku = s.fHenkaku = s.fGodo = 1;
    s.nKeturon = 3;
    s.reset();
    EXPECT_EQ(s.Mx, 4500);
    EXPECT_EQ(s.My, 4000);
    EXPECT_EQ(s.Ax, 7000);
    EXPECT_EQ(s.Yl, 2000);
    EXPECT_EQ(s.Bx, 2000);
    EXPECT_EQ(s.Ym, 6000);
    EXPECT_EQ(s.kakudo, 35);
    EXPECT_EQ(std::bit_cast<uint32_t>(s.dToR), 0x3C8EE7A7u);
    EXPECT_EQ(double(s.dToR), 0.017444444820284843);
    EXPECT_EQ(s.fKatei, 0);
    EXPECT_EQ(s.fSankaku, 0);
    EXPECT_EQ(s.nKeturon, 0);
    EXPECT_EQ(s.fHenkaku, 0);
    EXPECT_EQ(s.fGodo, 0);
}

TEST(Model, reset_leavesPAndQAlone)
{
    FigureState s;
    s.Px = 15796;
    s.Qx = -6796;
    s.reset();
    EXPECT_EQ(s.Px, 15796);
    EXPECT_EQ(s.Qx, -6796);
}

TEST(Model, intersection)
{
    const struct {
        const char* name;
        int kakudo, Qx, Px;
    } rows[] = {
        {"5", 5, 27164, -18164},
        {"35", 35, 7353, 1647},
        {"55", 55, 5899, 3101},
        {"90", 90, 4500, 4500},
        {"125", 125, 3101, 5899},
        {"145", 145, 1647, 7353},
        {"170", 170, -6796, 15796},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        FigureState s;
        s.reset();
        s.kakudo = int16_t(r.kakudo);
        EXPECT_EQ(intersectionX(s, s.Ym), r.Qx);
        EXPECT_EQ(intersectionX(s, s.Yl), r.Px);
    }
}

TEST(Model, intersection_isSymmetric)
{
    FigureState s;
    s.reset();
    for (int k = 5; k <= 170; k += 5) {
        s.kakudo = int16_t(k);
        const int16_t p = intersectionX(s, s.Yl);
        s.kakudo = int16_t(180 - k);
        EXPECT_EQ(intersectionX(s, s.Ym), p) << "at " << k << " degrees";
    }
}

TEST(Model, checked_sumsAtBounds)
{
    const struct {
        const char* name;
        int op; // 0 add, 1 sub, 2 abs, 3 neg
        int a, b;
        bool overflows;
        int result;
    } rows[] = {
        {"32767 + 1", 0, 32767, 1, true, 0},
        {"32766 + 1", 0, 32766, 1, false, 32767},
        {"-32768 - 1", 1, -32768, 1, true, 0},
        {"-32767 - 1", 1, -32767, 1, false, -32768},
        {"0 - -32768", 1, 0, -32768, true, 0},
        {"|-32768|", 2, -32768, 0, true, 0},
        {"|-32767|", 2, -32767, 0, false, 32767},
        {"-(-32768)", 3, -32768, 0, true, 0},
        {"-(-2000)", 3, -2000, 0, false, 2000},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto run = [&] {
            switch (r.op) {
            case 0: return add16(int16_t(r.a), int16_t(r.b));
            case 1: return sub16(int16_t(r.a), int16_t(r.b));
            case 2: return abs16(int16_t(r.a));
            default: return neg16(int16_t(r.a));
            }
        };
        if (r.overflows)
            EXPECT_THROW(run(), OverflowError);
        else
            EXPECT_EQ(run(), r.result);
    }
}

TEST(Model, checked_rounding)
{
    const struct {
        const char* name;
        double x;
        int error; // 0 none, 1 overflow, 2 floating point
        int result;
    } rows[] = {
        {"2.5 to even", 2.5, 0, 2},
        {"3.5 to even", 3.5, 0, 4},
        {"-2.5 to even", -2.5, 0, -2},
        {"5899.49", 5899.49, 0, 5899},
        {"32767.4", 32767.4, 0, 32767},
        {"32767.5 overflows", 32767.5, 1, 0},
        {"-32768.5 to even", -32768.5, 0, -32768},
        {"-32768.6 overflows", -32768.6, 1, 0},
        {"infinity", std::numeric_limits<double>::infinity(), 2, 0},
        {"nan", std::numeric_limits<double>::quiet_NaN(), 2, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.error == 1)
            EXPECT_THROW(round16(r.x), OverflowError);
        else if (r.error == 2)
            EXPECT_THROW(round16(r.x), FloatingPointError);
        else
            EXPECT_EQ(round16(r.x), r.result);
    }
}

TEST(Model, checked_toSingle)
{
    // Half twips reach the surface exactly; what single precision cannot hold
    // is an error, not an infinite coordinate.
    EXPECT_EQ(toSingle(4373.5), 4373.5f);
    EXPECT_EQ(toSingle(-18564.0), -18564.0f);
    EXPECT_THROW(toSingle(1e300), FloatingPointError);
    EXPECT_THROW(toSingle(std::numeric_limits<double>::quiet_NaN()), FloatingPointError);
}
