#pragma once

#include <QWidget>

// Not built yet.
class Frm_t_main : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_t_main(QWidget *parent = nullptr);
};
