#include "app/BadRowsNotice.h"

#include "data/BankError.h"
#include "data/BankOpen.h"
#include "data/RowCheck.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace {

QString checkedNotice(const QString &path)
{
    try {
        const std::unique_ptr<QuestionBank> bank = openQuestionBank(path);
        return RowCheck::notice(RowCheck::run(*bank));
    } catch (const BankError &) {
        return {};
    }
}

}

void BadRowsNotice::showWhenChecked(QWidget *parent, const QString &path, const std::function<void()> &done)
{
    auto *watcher = new QFutureWatcher<QString>(parent);
    QObject::connect(watcher, &QFutureWatcher<QString>::finished, parent, [parent, watcher, done] {
        const QString notice = watcher->result();
        watcher->deleteLater();
        if (!notice.isEmpty()) {
            // Over the window the student is in by now, if the start screen has made way for one.
            QWidget *over = QApplication::activeWindow() ? QApplication::activeWindow() : parent;
            MessageBox::show(over, notice, QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Information);
        }
        done();
    });
    watcher->setFuture(QtConcurrent::run(checkedNotice, path));
}
