#pragma once

struct Paper;
struct ProgramSection;

// A paper's score, weighted as the level-2 exam weighs its parts: a choice 4 points, a fill-in or
// a correction task 6, a programming task 8; so a paper of 10/3/3/3 is worth 100, and any other
// is scaled to 100. A choice counts when the key was picked, a task when its last check passed.
struct Score
{
    struct Part
    {
        int right = 0;
        int count = 0;
    };
    static constexpr int choiceWeight = 4, fillInWeight = 6, correctionWeight = 6, programmingWeight = 8;

    Part choice, blank, err, pro;
    int points = 0; // 0..100, rounded to the nearest

    static Score of(const Paper &paper);
};
