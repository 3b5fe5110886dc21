#pragma once

#include <QWidget>

// Not built yet.
class Frm_t_over : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_t_over(QWidget *parent = nullptr);
};
