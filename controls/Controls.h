#pragma once

#include <QRect>
#include <QString>

class ClickLabel;
class QAbstractButton;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TextBox;

// Builders for the controls of the windows, placed by twips rectangles (left, top, width,
// height) and named by their control names; an element of a control array is named "Name(i)".
namespace Controls {
QString arrayName(const char *name, int index);   // "Lab_tm(3)"

QFont font(const QString &family, qreal points, bool bold = false);
QFont song(qreal points, bool bold = false);       // 宋体
QFont verdana(qreal points = 10.5);

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, QRect twips);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect twips);
QLabel *label(QWidget *parent, const QString &name, const QString &caption, QRect twips);
ClickLabel *clickLabel(QWidget *parent, const QString &name, const QString &caption, QRect twips);
TextBox *textBox(QWidget *parent, const QString &name, QRect twips);          // multi-line, Verdana 10.5
QLineEdit *lineBox(QWidget *parent, const QString &name, QRect twips);        // one line, Verdana 10.5
QRadioButton *optionButton(QWidget *parent, const QString &name, QRect twips);
QTabWidget *tabs(QWidget *parent, const QString &name, QRect twips, const QStringList &captions);

// A left click on `from` clicks `to`, as a click on a button's caption does.
void clickThrough(QWidget *from, QAbstractButton *to);

// Grows a control to its text where the layout's size would clip it.
void fitText(QWidget *control);

// The ten question-number squares: white bold Times New Roman 10.5 on dark blue, centred.
void styleSquare(QLabel *square);
}
