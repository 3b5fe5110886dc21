#include "review/ReviewMarks.h"

#include "controls/ClickLabel.h"
#include "judge/VerdictText.h"
#include "paper/Paper.h"

#include <QPainter>
#include <QTabWidget>

namespace {

const QColor kRight(0, 170, 0);
const QColor kWrong(255, 200, 0);
const QColor kUnanswered(170, 170, 170);

QLabel *cornerMark(ClickLabel *square)
{
    const QString name = QStringLiteral("mark");
    if (auto *mark = square->findChild<QLabel *>(name, Qt::FindDirectChildrenOnly))
        return mark;
    auto *mark = new QLabel(square);
    mark->setObjectName(name);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setAutoFillBackground(true);
    mark->setGeometry(square->width() - 8, 1, 7, 7);
    return mark;
}

void paint(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QIcon dot(const QColor &colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1, 1, 10, 10));
    return QIcon(pixmap);
}

}

void ReviewMarks::markChoices(const std::array<ClickLabel *, 10> &squares, const ChoiceSection &ch)
{
    for (int n = 1; n <= 10; ++n) {
        ClickLabel *square = squares[std::size_t(n - 1)];
        if (n > ch.count) {
            square->setToolTip({});
            continue;
        }
        const ChoiceQuestion &q = ch(n);
        QLabel *mark = cornerMark(square);
        mark->show();
        if (q.right()) {
            paint(mark, kRight);
            square->setToolTip(QStringLiteral("第%1题：答对").arg(n));
        } else if (q.answered()) {
            paint(mark, kWrong);
            square->setToolTip(QStringLiteral("第%1题：答错，正确答案 %2").arg(n).arg(q.answer));
        } else {
            paint(mark, kUnanswered);
            square->setToolTip(QStringLiteral("第%1题：未答").arg(n));
        }
    }
}

void ReviewMarks::markTasks(QTabWidget *tabs, const Paper &paper)
{
    int tab = 1;
    for (const ProgramSection *section : paper.sections()) {
        QStringList lines;
        int passed = 0, checked = 0;
        for (int i = 1; i <= section->count; ++i) {
            const Task &task = (*section)(i);
            passed += task.passed() ? 1 : 0;
            checked += task.verdict ? 1 : 0;
            lines << QStringLiteral("【%1】").arg(i)
                         + (task.verdict ? VerdictText::headline(*task.verdict) : QStringLiteral("未检查，不得分"));
        }
        if (section->count == 0)
            tabs->setTabIcon(tab, {});
        else
            tabs->setTabIcon(tab, dot(passed == section->count ? kRight : checked > 0 ? kWrong : kUnanswered));
        tabs->setTabToolTip(tab, lines.join(u'\n'));
        ++tab;
    }
}
