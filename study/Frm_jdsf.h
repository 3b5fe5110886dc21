#pragma once

#include <QWidget>

// Placeholder until the window is built: it only leads back to the start screen.
class Frm_jdsf : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_jdsf(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};
