#include "answer/LoadOutcome.h"

#include "platform/Failure.h"
#include "platform/MessageBox.h"

#include <QWidget>

void LoadOutcome::run(const std::function<void()> &load)
{
    try {
        load();
    } catch (const Failure &failure) {
        m_failure = failure.message();
    }
}

void LoadOutcome::setVisible(QWidget *window, bool visible, const QString &activity,
                             const std::function<void(bool)> &show, const std::function<void()> &goBack)
{
    const bool appearing = visible && !window->isVisible();
    if (appearing && !m_failure.isEmpty()) {
        MessageBox::show(nullptr, QStringLiteral("无法开始%1。\n\n%2").arg(activity, m_failure),
                         QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Critical);
        goBack();
        return;
    }
    show(visible);
    if (appearing && !m_notice.isEmpty()) {
        const QString notice = std::exchange(m_notice, QString());
        MessageBox::show(window, notice, QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Information);
    }
}
