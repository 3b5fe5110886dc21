#pragma once

#include <QWidget>

// Not built yet.
class Frm_exer : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_exer(QWidget *parent = nullptr);
};
