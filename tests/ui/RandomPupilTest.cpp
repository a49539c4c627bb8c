// A random pupil: seeded sessions of clicks, typing and keys on the real
// windows, checking after every action what a pupil can see must hold.
//
// TRAINER_PUPIL_SEED=N replays seed N exactly: the actions and the example
// orders of its sessions; TRAINER_PUPIL_SEED=random picks a fresh seed. TRAINER_PUPIL_ACTIONS=N
// changes the number of actions.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "PupilSession.h"

#ifndef TRAINER_PUPIL_ACTIONS
#define TRAINER_PUPIL_ACTIONS 20000
#endif

namespace {

std::uint64_t pupilSeed() {
    const char* text = std::getenv("TRAINER_PUPIL_SEED");
    if (text && std::string_view(text) == "random")
        return std::random_device{}() * 0x100000001ull ^ std::random_device{}();
    if (text && *text)
        return std::strtoull(text, nullptr, 10);
    return 20240611;
}

int pupilActions() {
    const char* text = std::getenv("TRAINER_PUPIL_ACTIONS");
    return text && *text ? std::atoi(text) : TRAINER_PUPIL_ACTIONS;
}

TEST(RandomPupil, ThousandsOfActionsKeepWhatThePupilSeesConsistent) {
    const std::uint64_t seed = pupilSeed();
    const int actions = pupilActions();
    std::mt19937_64 random(seed);
    std::printf("random pupil: seed %llu, %d actions\n", static_cast<unsigned long long>(seed),
                actions);
    RecordProperty("seed", std::to_string(seed));

    int done = 0;
    int sessions = 0;
    int endsReached = 0;
    int messages = 0;
    int resultsShown = 0;
    int paints = 0;
    int right = 0;
    int wrong = 0;
    while (done < actions) {
        // Sessions of a few hundred to a couple of thousand actions, so that
        // many of them reach the 21st example and go on past it.
        const int length = std::min(actions - done, 100 + static_cast<int>(random() % 900));
        pupil::PupilSession session(random, seed, ++sessions);
        const bool clean = session.run(length, done);
        done += length;
        endsReached += session.reachedTheEnd() ? 1 : 0;
        messages += session.messages();
        resultsShown += session.resultsShown();
        paints += session.paints();
        right += session.rightVerdicts();
        wrong += session.wrongVerdicts();
        if (!clean)
            return;
    }
    std::printf(
        "random pupil: %d sessions, %d reached the 21st example and settled it, %d messages, "
        "%d results shown, %d right and %d wrong verdicts, %d widgets painted\n",
        sessions, endsReached, messages, resultsShown, right, wrong, paints);
    // The pupil really went everywhere: not a check of the program, but of
    // this test's own reach.
    if (actions >= 2000) {
        EXPECT_GT(endsReached, 0);
        EXPECT_GT(messages, endsReached);
        EXPECT_GT(resultsShown, 0);
        EXPECT_GT(right, 0);
        EXPECT_GT(wrong, 0);
    }
}

} // namespace
