#pragma once

#include <QWidget>

// Placeholder until the window is built: it only leads back to the start screen.
class Frm_study : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_study(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};
