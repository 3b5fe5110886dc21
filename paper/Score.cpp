#include "paper/Score.h"

#include "paper/Paper.h"

namespace {

Score::Part tasks(const ProgramSection &section)
{
    Score::Part part{0, section.count};
    for (int i = 1; i <= section.count; ++i)
        part.right += section(i).passed() ? 1 : 0;
    return part;
}

}

Score Score::of(const Paper &paper)
{
    Score s;
    s.choice.count = paper.ch.count;
    for (int i = 1; i <= paper.ch.count; ++i)
        s.choice.right += paper.ch(i).right() ? 1 : 0;
    s.blank = tasks(paper.blank);
    s.err = tasks(paper.err);
    s.pro = tasks(paper.pro);
    const int got = choiceWeight * s.choice.right + fillInWeight * s.blank.right + correctionWeight * s.err.right
                    + programmingWeight * s.pro.right;
    const int worth = choiceWeight * s.choice.count + fillInWeight * s.blank.count + correctionWeight * s.err.count
                      + programmingWeight * s.pro.count;
    s.points = worth == 0 ? 0 : (200 * got + worth) / (2 * worth);
    return s;
}
