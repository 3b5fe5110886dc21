#include "controls/NumberSquares.h"

#include "controls/ClickLabel.h"

namespace {

const QColor kAnswered(255, 0, 0);

// A thin black frame: a shaded box whose light and dark edges are both black, so that the
// white number keeps its colour.
void setFramed(ClickLabel *square, bool framed)
{
    QPalette palette = square->palette();
    palette.setColor(QPalette::Light, Qt::black);
    palette.setColor(QPalette::Dark, Qt::black);
    square->setPalette(palette);
    square->setFrameStyle(framed ? QFrame::Box | QFrame::Sunken : QFrame::NoFrame);
    square->setLineWidth(1);
    square->setMidLineWidth(0);
}

}

void NumberSquares::number(const Squares &squares)
{
    for (int k = 0; k < 10; ++k) {
        squares[k]->setText(QString::number(k + 1));
        setFramed(squares[k], k == 0);
    }
}

void NumberSquares::frameOnly(const Squares &squares, int upTo, int n)
{
    for (int i = 1; i <= upTo && i <= 10; ++i)
        setFramed(squares[i - 1], false);
    setFramed(squares[n - 1], true);
}

void NumberSquares::markAnswered(ClickLabel *square)
{
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, kAnswered);
    square->setPalette(palette);
}
