#pragma once

#include <QWidget>

class QLabel;

// The start screen: opens the question bank, leads to the three activities and ends the program.
// The bank is opened right after the screen is first painted; until then its pictures answer
// nothing. Its rows are checked in the background while the screen answers. A bank that cannot be
// opened is reported and ends the program with status 1.
class Frm_login : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_login(QWidget *parent = nullptr);

signals:
    void loaded();      // on screen with the bank open
    void rowsChecked(); // the bank's rows checked in the background, any bad ones told

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void bindKeys();
    void Pic_Click(QLabel *picture);
    void loadAfterFirstPaint();
    void Pic1_Click();
    void Pic2_Click();
    void Pic3_Click();
    void Pic4_Click();
    void Pic_MouseMove(QLabel *picture);
    void Form_MouseMove();
    bool confirmExit(const QString &title);

    QLabel *Pic1;
    QLabel *Pic2;
    QLabel *Pic3;
    QLabel *Pic4;
    bool loadQueued = false;
};
