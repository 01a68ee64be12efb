#include "PlotList.h"

#include <algorithm>

TPlotListMember::TPlotListMember(const TPlotListMember &Source)
    : X(Source.X), Y(Source.Y), Colour(Source.Colour), Style(Source.Style), Key(Source.Key)
{
}

TPlotList::TPlotList(const TPlotList &Source)
{
    for (TPlotListMember *m = Source.head_.get(); m; m = m->Next.get()) {
        auto copy = std::make_unique<TPlotListMember>(*m);
        copy->Next = std::move(head_);
        head_ = std::move(copy);
    }
}

TPlotList::~TPlotList()
{
    Clear();
}

void TPlotList::Clear()
{
    // One by one, so that a long list does not unwind recursively.
    while (head_)
        head_ = std::move(head_->Next);
}

bool TPlotList::AddOrReplace(const double *X, const double *Y, int Count, int Key, TColor Colour,
                             TMyPlotStyle Style)
{
    const size_t n = Count > 0 && X && Y ? static_cast<size_t>(Count) : 0;
    std::vector<double> x(X, X + n), y(Y, Y + n);
    TPlotListMember *member = nullptr;
    if (Find(member, Key)) {
        member->X.swap(x);
        member->Y.swap(y);
        return true;
    }
    auto fresh = std::make_unique<TPlotListMember>();
    fresh->X.swap(x);
    fresh->Y.swap(y);
    fresh->Key = Key;
    fresh->Colour = Colour;
    fresh->Style = Style;
    fresh->Next = std::move(head_);
    head_ = std::move(fresh);
    return false;
}

bool TPlotList::Remove(int Key)
{
    for (std::unique_ptr<TPlotListMember> *link = &head_; *link; link = &(*link)->Next) {
        if ((*link)->Key == Key) {
            std::unique_ptr<TPlotListMember> gone = std::move(*link);
            *link = std::move(gone->Next);
            return true;
        }
    }
    return false;
}

bool TPlotList::Find(TPlotListMember *&Member, int Key) const
{
    for (Member = head_.get(); Member; Member = Member->Next.get())
        if (Member->Key == Key)
            return true;
    return false;
}

void TPlotList::AddAll(const TPlotList &Other)
{
    // New curves go in at the head, so walking Other while adding to it
    // (Other == this) never meets them.
    for (TPlotListMember *m = Other.head_.get(); m; m = m->Next.get())
        AddOrReplace(m->X.data(), m->Y.data(), m->Count(), m->Key, m->Colour, m->Style);
}
