#pragma once

#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

// A home of the test's own for the work folders, with what the work-file tests put into it:
// files with given bytes, links, and a look at what a folder holds.
class WorkHome
{
public:
    WorkHome() { WorkFolders::setBase(m_dir.path()); }
    ~WorkHome() { WorkFolders::setBase({}); }

    QString path(const QString &below = {}) const { return below.isEmpty() ? m_dir.path() : m_dir.filePath(below); }
    QString testFolder() const { return path(QStringLiteral("c_zhiqiao/test")); }

    static void put(const QString &file, const QByteArray &bytes = "x")
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    static void link(const QString &target, const QString &at)
    {
        QDir().mkpath(QFileInfo(at).path());
        QVERIFY(QFile::link(target, at));
    }
    // The message of the WorkFileError the step throws, or "<done>" when it throws none.
    static QString failureOf(const std::function<void()> &step)
    {
        try {
            step();
            return QStringLiteral("<done>");
        } catch (const WorkFileError &e) {
            return e.message();
        }
    }
    // Every entry but folders, hidden ones included, by name.
    static QStringList files(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
};
