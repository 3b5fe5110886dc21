#include "judge/LineChanges.h"

#include "judge/CodeBlanks.h"

#include <vector>

namespace LineChanges {

namespace {

// The lines that hold something, blanks removed, each with its line number. Each line is read on
// its own: a comment running over lines makes its later lines read as code, which only matters
// for the blanks of a quote in the comment.
struct Lines
{
    QStringList texts;
    QList<int> numbers;
};

Lines linesOf(const QString &text)
{
    Lines lines;
    const QStringList all = text.split(u'\n');
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString squeezed = CodeBlanks::squeezed(all[i]);
        if (!squeezed.isEmpty()) {
            lines.texts << squeezed;
            lines.numbers << int(i + 1);
        }
    }
    return lines;
}

}

Changes between(const QString &before, const QString &after)
{
    const Lines a = linesOf(before), b = linesOf(after);
    const qsizetype n = a.texts.size(), m = b.texts.size();
    // Longest common subsequence, then each run of unmatched lines counts as max(removed, added).
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            lcs[i][j] = a.texts[i] == b.texts[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    Changes changes;
    QList<int> removed, added;
    auto endRun = [&] {
        changes.count += int(std::max(removed.size(), added.size()));
        changes.afterLines << added;
        if (removed.size() > added.size())
            changes.beforeLines << removed.mid(added.size());
        removed.clear();
        added.clear();
    };
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a.texts[i] == b.texts[j]) {
            endRun();
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            added << b.numbers[j++];
        } else {
            removed << a.numbers[i++];
        }
    }
    endRun();
    return changes;
}

}
