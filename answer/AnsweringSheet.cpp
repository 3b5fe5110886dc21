#include "answer/AnsweringSheet.h"

#include "controls/NumberSquares.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"
#include "paper/PaperLoader.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

AnsweringSheet::AnsweringSheet(Paper &paper, const AnsweringControls &controls, int hourDigits)
    : choices(paper.ch, controls),
      tasks{TaskPaging(paper.blank, controls.tasks[0], QStringLiteral("blank")),
            TaskPaging(paper.err, controls.tasks[1], QStringLiteral("err")),
            TaskPaging(paper.pro, controls.tasks[2], QStringLiteral("pro"))},
      clock(controls.timer, controls.time, hourDigits),
      check(controls.tabs->window()),
      m_c(controls)
{
}

void AnsweringSheet::clearQuestion()
{
    m_c.title->setText({});
    for (QRadioButton *option : m_c.options)
        option->setText({});
}

void AnsweringSheet::fill(PaperLoader &loader)
{
    loader.startAtFirst();
    clock.start();
    NumberSquares::number(m_c.squares);
    loader.loadChoices();
    m_c.previous->setEnabled(false);
    loader.loadTasks(QuestionKind::Blank);
    loader.loadTasks(QuestionKind::Err);
    loader.loadTasks(QuestionKind::Pro);
    choices.showFirst();
    for (TaskPaging &task : tasks)
        task.show();
}
