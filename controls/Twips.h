#pragma once

#include <QRect>
#include <QSize>

// Window layouts are given in twips: 15 twips make one pixel at 96 dpi. Qt scales pixels for HiDPI.
constexpr int twips(int t)
{
    return (t + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}
