#include "answer/LoadOutcome.h"

#include "data/BankError.h"
#include "platform/MessageBox.h"
#include "workfiles/WorkFileError.h"

void LoadOutcome::run(const std::function<void()> &load)
{
    try {
        load();
    } catch (const BankError &error) {
        m_failure = error.message();
    } catch (const WorkFileError &error) {
        m_failure = error.message();
    }
}

bool LoadOutcome::reportFailure(const QString &activity) const
{
    if (m_failure.isEmpty())
        return false;
    MessageBox::show(nullptr, QStringLiteral("无法开始%1。\n\n%2").arg(activity, m_failure),
                     QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
    return true;
}

void LoadOutcome::tellNotice(QWidget *window)
{
    if (m_notice.isEmpty())
        return;
    const QString notice = std::exchange(m_notice, QString());
    MessageBox::show(window, notice, QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Information);
}
