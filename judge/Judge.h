#pragma once

#include "judge/BoundedProcess.h"
#include "judge/CompilerLookup.h"
#include "judge/JudgeTask.h"
#include "judge/Sandbox.h"
#include "judge/MemoryChecker.h"
#include "judge/Verdict.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// Checks a student's program without blocking the caller: finds the C compiler, compiles the file
// as last saved into a temporary folder, runs it there on each case, bounded and in the machine's
// sandbox, and compares its output. The student's folder is only read. finished() reports the verdict of every check that
// was not stopped, always after start() has returned.
class Judge : public QObject
{
    Q_OBJECT

public:
    explicit Judge(QObject *parent = nullptr);
    ~Judge() override;

    // Test seam: how compilers are looked up (PATH by default).
    void setFinder(CompilerLookup::Finder finder) { m_finder = std::move(finder); }
    // Test seam: the sandbox the program runs in (the machine's by default, tried at the first check).
    void setSandbox(const Sandbox &sandbox) { m_sandbox = sandbox; }

    // Starts a check; refused (false) while one runs.
    bool start(const JudgeTask &task);
    // Kills what runs and removes the temporary folder; finished() is not emitted.
    void stop();
    bool isRunning() const { return m_running; }

signals:
    void progress(const QString &step); // "正在编译……", "正在运行测试 2/3……"
    void finished(const Verdict &verdict);

private:
    bool keepsToTheTask(const QString &source);
    void compiled(const RunResult &result);
    void runCase();
    void caseRan(const RunResult &result);
    void memoryChecked(const MemoryCheckResult &result);
    void finish(VerdictKind kind);
    void cannotCheck(const QString &problem);

    CompilerLookup::Finder m_finder = CompilerLookup::pathFinder();
    std::optional<Sandbox> m_sandbox;
    QString m_compilerPath;
    JudgeTask m_task;
    QString m_source; // the student's file as read
    Verdict m_verdict;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_program; // the compiled program
    int m_case = 0;    // the case that runs
    bool m_running = false;
    quint64 m_check = 0; // counts the checks, so a stopped one never reports
    BoundedProcess m_compiler;
    BoundedProcess m_runner;
    MemoryChecker m_memory;
};
