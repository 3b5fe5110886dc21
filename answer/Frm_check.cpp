#include "answer/Frm_check.h"

#include "controls/Controls.h"
#include "judge/Verdict.h"
#include "judge/VerdictText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Frm_check::Frm_check(QWidget *window) : QDialog(window)
{
    setObjectName(QStringLiteral("Frm_check"));
    setFont(Controls::song(10.5));
    // Tall enough that a failed case's output, which the account puts first, is in view at once.
    resize(760, 600);

    Lab_verdict = new QLabel(this);
    Lab_verdict->setObjectName(QStringLiteral("Lab_verdict"));
    Lab_verdict->setFont(Controls::song(12, true));

    Lab_attempt = new QLabel(this);
    Lab_attempt->setObjectName(QStringLiteral("Lab_attempt"));

    Txt_result = new QPlainTextEdit(this);
    Txt_result->setObjectName(QStringLiteral("Txt_result"));
    Txt_result->setReadOnly(true);
    // Long lines wrap: the notes are prose, and a student should not have to scroll sideways.
    Txt_result->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(10.5);
    Txt_result->setFont(mono);

    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("Cmd_close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QHBoxLayout;
    heading->addWidget(Lab_verdict);
    heading->addStretch();
    heading->addWidget(Lab_attempt);
    layout->addLayout(heading);
    layout->addWidget(Txt_result);
    layout->addLayout(buttons);
}

void Frm_check::showVerdict(const QString &fileName, const Verdict &verdict, int attempt, const QString &previous)
{
    Lab_attempt->setText(previous.isEmpty() ? QStringLiteral("第 %1 次检查").arg(attempt)
                                            : QStringLiteral("第 %1 次检查（上一次：%2）").arg(attempt).arg(previous));
    setWindowTitle(QStringLiteral("检查程序 - %1").arg(fileName));
    Lab_verdict->setText(VerdictText::headline(verdict));
    Lab_verdict->setStyleSheet(verdict.kind == VerdictKind::Passed ? QStringLiteral("color: rgb(0, 128, 0)")
                                                                   : QStringLiteral("color: rgb(192, 0, 0)"));
    Txt_result->setPlainText(VerdictText::text(verdict));
    Txt_result->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}
