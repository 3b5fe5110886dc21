#pragma once

#include <QWidget>

// Not built yet.
class Frm_excer_over : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_excer_over(QWidget *parent = nullptr);
};
