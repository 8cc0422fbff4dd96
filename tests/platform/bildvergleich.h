#pragma once
// Two pictures compared pixel by pixel: how many differ, and the first.

#include <QImage>

#include <gtest/gtest.h>

inline ::testing::AssertionResult Gleich(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes differ";
    long n = 0;
    int ex = -1, ey = -1;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0)
                ex = x, ey = y;
    if (n == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << n << " pixels differ, first at (" << ex << ", " << ey << ")";
}
