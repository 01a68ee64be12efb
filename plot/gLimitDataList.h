#pragma once

#include <vector>

// A growable list of limit-band elements, three values each (the limit
// object stores position, upper and lower limit). Index errors raise
// "Index out of Bounds"; capacities above 134 217 727 elements raise
// "Exceed Maximum List Size".
class TgLimitDataList {
public:
    // Appends and returns the new element's index; grows by 4 up to a
    // capacity of 8, by 16 up to 64, then by a quarter.
    int Add(double Value1, double Value2, double Value3);
    void SetCapacity(int NewCapacity); // cuts Count when smaller
    void Clear();

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    double GetValue1(int Index) const { return At(Index).v[0]; }
    double GetValue2(int Index) const { return At(Index).v[1]; }
    double GetValue3(int Index) const { return At(Index).v[2]; }

private:
    struct Element {
        double v[3];
    };
    const Element &At(int Index) const;

    std::vector<Element> list_;
    int count_ = 0;
    int capacity_ = 0;
};
