#pragma once

#include <QString>
#include <array>
#include <vector>

// A fixed-size array indexed from 1, as the question numbers on screen are. An index outside the
// bounds is a programming fault: it never writes out of bounds, it stops the program loudly.
template <typename T>
class OneBased
{
public:
    explicit OneBased(int size) : m_items(size) {}

    T &operator()(int i) { return m_items[checked(i)]; }
    const T &operator()(int i) const { return m_items[checked(i)]; }
    int size() const { return int(m_items.size()); }
    void fill(const T &value) { std::fill(m_items.begin(), m_items.end(), value); }

private:
    std::size_t checked(int i) const;
    std::vector<T> m_items;
};

[[noreturn]] void paperIndexFault(int index, int size);

template <typename T>
std::size_t OneBased<T>::checked(int i) const
{
    if (i < 1 || i > size())
        paperIndexFault(i, size());
    return std::size_t(i - 1);
}

// The four options of one choice question, option(i, k) with k = 1..4.
class OptionTable
{
public:
    explicit OptionTable(int questions) : m_rows(questions) {}
    QString &operator()(int i, int k);
    const QString &operator()(int i, int k) const;
    void clear() { m_rows.fill({}); }

private:
    OneBased<std::array<QString, 4>> m_rows;
};

struct ChoiceSection
{
    static constexpr int capacity = 10;
    OneBased<QString> title{capacity};
    OptionTable option{capacity};
    OneBased<QString> explain{capacity};
    OneBased<QString> answer{capacity};
    OneBased<int> chosen{capacity};
    int current = 0;
    int count = 0;
};

struct ProgramSection
{
    explicit ProgramSection(int capacity)
        : capacity(capacity), title(capacity), explain(capacity), answer(capacity), bankId(capacity), dataFile(capacity),
          handedOut(capacity), verdict(capacity)
    {
    }
    const int capacity;
    OneBased<QString> title;
    OneBased<QString> explain;
    OneBased<QString> answer;
    QString bankTable;          // where the tasks come from, c_test or c_excer, and ...
    OneBased<int> bankId;       // ... each task's id there, which its cases carry
    OneBased<QString> dataFile; // the data file the task reads ("data_21.dat"), else empty
    OneBased<QString> handedOut; // the program written into the task file, which a check holds the student's against
    OneBased<QString> verdict;  // the headline of the task's last check, empty before one
    int current = 0;
    int count = 0;
};

// One loaded question set: the choice section and the three program sections.
struct Paper
{
    explicit Paper(int programCapacity) : blank(programCapacity), err(programCapacity), pro(programCapacity) {}

    // Empties every text, every choice and every position, as a load does before it fills the paper.
    void clear();

    ChoiceSection ch;
    ProgramSection blank;
    ProgramSection err;
    ProgramSection pro;
};
