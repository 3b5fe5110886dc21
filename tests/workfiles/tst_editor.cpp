#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "workfiles/Editor.h"
#include "workfiles/TaskFiles.h"

#include "WorkHome.h"

// Launches are recorded, and PATH holds only the programs a test puts there.
class TestEditor : public QObject
{
    Q_OBJECT

    QList<Shell::Launch> m_launches;
    bool m_starts = true;
    QTemporaryDir m_bin;
    QByteArray m_path;

    // The task file written into the work folder of the kind, as a paper's load writes it.
    static QString writtenTask(WorkKind kind, const QString &name)
    {
        const QString folder = WorkFolders::ready(kind);
        TaskFiles::write(folder, name, QStringLiteral("int main(void) { return 0; }"));
        return WorkFolders::join(folder, name);
    }

    void fakeProgram(const QString &name)
    {
        QFile exe(m_bin.filePath(name));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.write("#!/bin/sh\n");
        exe.setPermissions(exe.permissions() | QFile::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
        Shell::setLauncher([this](const Shell::Launch &l) {
            if (m_starts)
                m_launches << l;
            return m_starts;
        });
    }

    void init()
    {
        m_launches.clear();
        m_starts = true;
        QDir(m_bin.path()).removeRecursively();
        QDir().mkpath(m_bin.path());
        qputenv("PATH", m_bin.path().toLocal8Bit());
        MessageBox::takeLastAsked();
    }

    void cleanupTestCase()
    {
        qputenv("PATH", m_path);
        Shell::setLauncher({});
    }

    void theFirstEditorOfTheListGetsTheFileIfItExists()
    {
        WorkHome home;
        const QString task = writtenTask(WorkKind::Test, "pro_1.c");
        const QString folder = QFileInfo(task).path();
        fakeProgram(QStringLiteral("gedit"));
        fakeProgram(QStringLiteral("geany"));

        Editor::launch(nullptr, task);
        Editor::launch(nullptr, WorkFolders::join(folder, "missing.c"));
        QCOMPARE(m_launches.size(), 2);
        QCOMPARE(m_launches[0].program, m_bin.filePath(QStringLiteral("geany")));
        QCOMPARE(m_launches[0].arguments, QStringList({task}));
        QCOMPARE(m_launches[1].arguments, QStringList());
        QCOMPARE(MessageBox::askedCount(), 0);

        Editor::openFolder(folder);
        QCOMPARE(m_launches[2].arguments, QStringList({folder}));
    }

    void withoutAnEditorTheDesktopOpensTheFile()
    {
        WorkHome home;
        const QString task = writtenTask(WorkKind::Test, "pro_1.c");
        fakeProgram(QStringLiteral("xdg-open"));
        Editor::launch(nullptr, task);
        QCOMPARE(m_launches.size(), 1);
        QCOMPARE(m_launches[0].program, m_bin.filePath(QStringLiteral("xdg-open")));
        QCOMPARE(m_launches[0].arguments, QStringList({task}));
        QCOMPARE(MessageBox::askedCount(), 0);
    }

    // "启动VC" that cannot start anything says so.
    void nothingStartedIsToldInOneBox_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("programsThere"); // there, but they do not start
        QTest::newRow("no editor, no desktop handler") << true << false;
        QTest::newRow("editor and handler fail to start") << true << true;
        QTest::newRow("no task file, no editor") << false << false;
    }

    void nothingStartedIsToldInOneBox()
    {
        QFETCH(bool, fileExists);
        QFETCH(bool, programsThere);
        WorkHome home;
        const QString task = fileExists ? writtenTask(WorkKind::Exercise, "err_2.c")
                                        : WorkFolders::join(WorkFolders::ready(WorkKind::Exercise), "err_2.c");
        if (programsThere) {
            fakeProgram(QStringLiteral("geany"));
            fakeProgram(QStringLiteral("xdg-open"));
            m_starts = false;
        }

        MessageBox::setNextAnswer(QMessageBox::Ok);
        Editor::launch(nullptr, task);

        QVERIFY(m_launches.isEmpty());
        QCOMPARE(MessageBox::askedCount(), 1);
        const auto asked = MessageBox::takeLastAsked();
        QCOMPARE(asked->title, QStringLiteral("信息提示"));
        QCOMPARE(asked->icon, QMessageBox::Information);
        QCOMPARE(asked->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked->text,
                 QStringLiteral("没有找到可以启动的 C 语言编辑器，无法打开任务文件：\n%1%2\n\n"
                                "查找过的编辑器：geany、codeblocks、code、kdevelop、kate、gnome-text-editor、gedit、xed、"
                                "pluma、mousepad。\n%3\n"
                                "请安装一个 C 语言编辑器后再试，例如在终端中输入：\nsudo apt install geany")
                     .arg(task, fileExists ? QString() : QStringLiteral("（文件不存在）"),
                          fileExists ? QStringLiteral("系统为这个文件设定的默认程序也无法启动。\n") : QString()));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
