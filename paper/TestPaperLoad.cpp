#include "paper/TestPaperLoad.h"

#include "data/BankError.h"
#include "state/Module1.h"

PaperLoader TestPaperLoad::loader()
{
    using namespace Module1;
    PaperLoader::Source source{
        {QStringLiteral("ch1"), QStringLiteral("ch2"), QStringLiteral("ch3"), QStringLiteral("ch4")},
        QStringLiteral("ch_answer"),
        [](QuestionKind kind) {
            if (!conn)
                throw BankError(QStringLiteral("题库没有打开。"));
            return conn->testQuestions(kind, group_no);
        },
    };
    return PaperLoader(TestPaper, test_path, std::move(source));
}
