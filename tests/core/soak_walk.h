#pragma once
// A long random walk through the lesson, for the soak suites: the events a
// pupil can cause, how often each comes, and a small model of what the
// lesson should be after each one, written independently of the window's
// code. Seeded; the seed is printed so that a failure can be replayed with
// GODO_SOAK_SEED=<seed> (and GODO_SOAK_EVENTS=<n> for a shorter run).

#include "lesson/texts.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace godo::test {

inline constexpr std::array<std::u16string_view, 4> kSoakEntries = {
    texts::kConclusionHeading, texts::kConclusionApBq, texts::kConclusionPmQm, texts::kConclusionAngles};

struct SoakModel {
    int angle = 35;
    int katei = 0, sankaku = 0, henkaku = 0, godo = 0;
    int conclusion = 0;
    int listIndex = 0;
    std::u16string field{kSoakEntries[0]};
    bool hidari = false, migi = false, keturon = false, sankakuOn = false, henkakuOn = false,
         godoOn = false;

    void restart() { *this = SoakModel{}; }
    // A click on an enabled turning button: no step beyond either end.
    void turn(int by)
    {
        if (angle + by >= 0 && angle + by <= 170)
            angle += by;
        keturon = true;
    }
    void choose(int index)
    {
        listIndex = index;
        field = kSoakEntries[std::size_t(index)];
        conclusion = index;
        sankakuOn = index != 0;
    }
};

enum SoakEvent {
    ClickKatei, ClickHidari, ClickMigi, ClickSankaku, ClickHenkaku, ClickGodo, ClickSaisyo,
    ClickCommand1, ClickOwari, ClickGamen, ClickLabel1, ClickLabel3, KeyDown, KeyUp,
    TypeText, TypeAndEnter, TypeAndLeave, TurnRun, SoakEventCount
};

// The events in order, with runs of clicks on one turning button now and
// then, so that the walk reaches both ends of the angle's range many times;
// turning often and restarting rarely.
class SoakWalk {
public:
    SoakWalk()
        : seed_(std::getenv("GODO_SOAK_SEED") ? std::strtoull(std::getenv("GODO_SOAK_SEED"), nullptr, 10)
                                              : std::random_device{}()),
          rng_(seed_)
    {
    }

    std::uint64_t seed() const { return seed_; }

    static int events(int fallback)
    {
        const char* n = std::getenv("GODO_SOAK_EVENTS");
        return n ? std::atoi(n) : fallback;
    }

    SoakEvent next()
    {
        SoakEvent event = runLeft_ > 0 ? runEvent_ : SoakEvent(nextEvent_(rng_));
        if (event == TurnRun) {
            runLeft_ = 30;
            runEvent_ = pick(2) == 0 ? ClickHidari : ClickMigi;
            event = runEvent_;
        }
        if (runLeft_ > 0)
            --runLeft_;
        return event;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Text a pupil might type: an entry's text or something else.
    std::u16string typed() { return pick(2) == 0 ? std::u16string(kSoakEntries[std::size_t(pick(4))]) : u"x"; }

private:
    static constexpr std::array<double, SoakEventCount> kWeights = {
        3, 8, 8, 3, 3, 3, 0.4, 0.2, 0.2, 1, 0.5, 0.5, 3, 3, 1, 1, 1, 0.5};

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    std::discrete_distribution<int> nextEvent_{kWeights.begin(), kWeights.end()};
    int runLeft_ = 0;
    SoakEvent runEvent_ = ClickMigi;
};

// What the model expects of one event, for the events the face passes on to
// the lesson as they are. The list's keys and typing depend on the face and
// are modelled by each suite.
inline void applyClick(SoakModel& m, SoakEvent event)
{
    switch (event) {
    case ClickKatei: m.katei ^= 1; m.hidari = m.migi = true; break;
    case ClickHidari: if (m.hidari) m.turn(-5); break;
    case ClickMigi: if (m.migi) m.turn(5); break;
    case ClickSankaku: if (m.sankakuOn) { m.sankaku ^= 1; m.henkakuOn = true; } break;
    case ClickHenkaku: if (m.henkakuOn) { m.henkaku ^= 1; m.godoOn = true; } break;
    case ClickGodo: if (m.godoOn) m.godo ^= 1; break;
    case ClickSaisyo: m.restart(); break;
    case KeyDown:
    case KeyUp: {
        const int next = m.listIndex + (event == KeyDown ? 1 : -1);
        // Nothing happens at the ends of the list, nor on a disabled box.
        if (m.keturon && next >= 0 && next <= 3)
            m.choose(next);
        break;
    }
    default: break;
    }
}

} // namespace godo::test
