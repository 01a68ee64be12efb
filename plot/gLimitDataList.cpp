#include "gLimitDataList.h"

#include "Exceptions.h"

int TgLimitDataList::Add(double Value1, double Value2, double Value3)
{
    if (count_ == capacity_)
        SetCapacity(capacity_ + (capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4));
    list_[static_cast<size_t>(count_)] = {{Value1, Value2, Value3}};
    return count_++;
}

void TgLimitDataList::SetCapacity(int NewCapacity)
{
    if (NewCapacity > 0x7FFFFFF)
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (NewCapacity < 0)
        NewCapacity = 0;
    if (NewCapacity == capacity_)
        return;
    list_.resize(static_cast<size_t>(NewCapacity));
    capacity_ = NewCapacity;
    if (count_ > NewCapacity)
        count_ = NewCapacity;
}

void TgLimitDataList::Clear()
{
    count_ = 0;
    SetCapacity(0);
}

const TgLimitDataList::Element &TgLimitDataList::At(int Index) const
{
    if (Index < 0 || Index >= count_)
        throw Exception(QStringLiteral("Index out of Bounds"));
    return list_[static_cast<size_t>(Index)];
}
