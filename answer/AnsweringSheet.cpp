#include "answer/AnsweringSheet.h"

#include "controls/NumberSquares.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

AnsweringSheet::AnsweringSheet(Paper &paper, const AnsweringControls &controls, int hourDigits)
    : choices(paper.ch, controls),
      tasks{TaskPaging(paper.blank, controls.tasks[0]), TaskPaging(paper.err, controls.tasks[1]),
            TaskPaging(paper.pro, controls.tasks[2])},
      clock(controls.timer, controls.time, hourDigits),
      check(controls.tabs->window()),
      recheck(paper, {controls.tasks[0].recheck, controls.tasks[1].recheck, controls.tasks[2].recheck}, check),
      m_c(controls)
{
}

void AnsweringSheet::show(const QString &folder)
{
    clock.start();
    NumberSquares::number(m_c.squares);
    m_c.previous->setEnabled(false);
    choices.showFirst();
    for (TaskPaging &task : tasks)
        task.show();
    recheck.watch(folder);
}

void AnsweringSheet::stop()
{
    check.stop();
    recheck.stop();
}

void AnsweringSheet::setVisible(QWidget *window, bool visible, QString &notice, const std::function<void(bool)> &show)
{
    const bool appearing = visible && !window->isVisible();
    show(visible);
    if (appearing && !notice.isEmpty())
        MessageBox::show(window, std::exchange(notice, QString()), QStringLiteral("信息提示"), QMessageBox::Ok,
                         QMessageBox::Information);
}
