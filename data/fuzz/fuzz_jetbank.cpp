// libFuzzer entry for the Jet store: any bytes of a .mdb file must be read or refused with a
// BankError, never crash libmdb or the store, whatever query the windows make.

#include "data/BankError.h"
#include "data/JetBank.h"
#include "data/RowCheck.h"

#include <QCoreApplication>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// libmdb opens files by name: the input is handed over as a file in memory.
class MemoryFile
{
public:
    MemoryFile(const std::uint8_t *data, std::size_t size) : m_fd(memfd_create("bank.mdb", MFD_CLOEXEC))
    {
        if (m_fd < 0 || ::write(m_fd, data, size) != ssize_t(size))
            std::abort();
    }
    ~MemoryFile() { ::close(m_fd); }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};

template <class Query>
void ask(Query query)
{
    try {
        query();
    } catch (const BankError &) {
    }
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

void readWhole(const std::uint8_t *data, std::size_t size)
{
    const MemoryFile file(data, size);
    ask([&] {
        JetBank bank(file.path());
        ask([&] { (void)RowCheck::run(bank); });
        ask([&] { (void)bank.chapters(); });
        ask([&] { (void)bank.chapter(QStringLiteral("01"), QStringLiteral("概述")); });
        ask([&] { (void)bank.algorithms(); });
        ask([&] { (void)bank.algorithm(QStringLiteral("01")); });
        for (QuestionKind kind : {QuestionKind::Choice, QuestionKind::Blank, QuestionKind::Err, QuestionKind::Pro}) {
            ask([&] { (void)bank.testQuestions(kind, 1); });
            ask([&] { (void)bank.exerciseQuestions(kind, QStringLiteral("01")); });
        }
        ask([&] { (void)bank.cases(QStringLiteral("c_test"), 4); });
        ask([&] { (void)bank.cases(QStringLiteral("c_excer"), 8); });
    });
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readWhole(data, size);
    // A file of broken pages is refused before anything else is read: cut to whole pages, the
    // same bytes reach the pages' checks too.
    constexpr std::size_t kPage = 4096;
    if (size % kPage != 0 && size > kPage)
        readWhole(data, size - size % kPage);
    return 0;
}
