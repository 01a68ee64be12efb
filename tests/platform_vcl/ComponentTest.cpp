#include "Collection.h"
#include "Component.h"
#include "Exceptions.h"
#include "Font.h"
#include "Strings.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Records notifications and Loaded calls.
class Probe : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::pair<TComponent *, TOperation>> notes;
    TComponent *watched = nullptr;
    int loaded = 0;
    bool loadingSeenInLoaded = false;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        notes.push_back({AComponent, Operation});
        if (Operation == opRemove && AComponent == watched)
            watched = nullptr;
    }
    void Loaded() override
    {
        loadingSeenInLoaded = ComponentState().Contains(csLoading);
        TComponent::Loaded();
        ++loaded;
    }
};

TEST(Component, FindComponentIgnoresCase)
{
    TComponent form(nullptr);
    auto *a = new TComponent(&form);
    a->SetName("lbGeqinA");
    auto *b = new TComponent(&form);
    b->SetName("lbGeqInB");
    EXPECT_EQ(form.FindComponent("lbGeqInA"), a);
    EXPECT_EQ(form.FindComponent("LBGEQINB"), b);
    EXPECT_EQ(form.FindComponent("lbGeqInC"), nullptr);
    EXPECT_EQ(form.FindComponent(""), nullptr);
    EXPECT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(b->Owner(), &form);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TComponent form(nullptr);
    auto *a = new TComponent(&form);
    a->SetName("cvdGain1");
    auto *b = new TComponent(&form);
    EXPECT_THROW(b->SetName("CVDGAIN1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    b->SetName("cvdGain2");
    EXPECT_EQ(b->Name(), "cvdGain2");
    TComponent other(nullptr);
    auto *c = new TComponent(&other);
    c->SetName("cvdGain1");
    EXPECT_THROW(form.InsertComponent(c), EComponentError);
    EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, OwnerFreesOwnedAndTellsFreeNotification)
{
    auto *form = new Probe(nullptr);
    auto *owned = new TComponent(form);
    Probe watcher(nullptr);
    watcher.watched = owned;
    owned->FreeNotification(&watcher);
    delete owned;
    EXPECT_EQ(watcher.watched, nullptr);
    ASSERT_FALSE(form->notes.empty());
    EXPECT_EQ(form->notes.back().second, opRemove);
    EXPECT_EQ(form->ComponentCount(), 0);

    // Freed by its owner: the watcher hears of it too; freeing the watcher
    // first unhooks it.
    auto *second = new TComponent(form);
    watcher.watched = second;
    second->FreeNotification(&watcher);
    {
        Probe early(nullptr);
        second->FreeNotification(&early);
    }
    delete form;
    EXPECT_EQ(watcher.watched, nullptr);
}

// An insert is told to the new owner only; a removal reaches every component
// the owner has, also those owned deeper down, so that no pointer outlives it.
TEST(Component, InsertsGoToTheOwnerAndRemovalsToAllItOwns)
{
    Probe form(nullptr);
    auto *sibling = new Probe(&form);
    auto *inner = new Probe(sibling);
    EXPECT_EQ(sibling->notes, (std::vector<std::pair<TComponent *, TOperation>>{{inner, opInsert}}));
    auto *added = new TComponent(&form);
    EXPECT_EQ(form.notes.back(), std::make_pair(added, opInsert));
    EXPECT_EQ(sibling->notes.size(), 1u) << "siblings hear of no insert";
    EXPECT_TRUE(inner->notes.empty());
    sibling->watched = added;
    inner->watched = added;
    delete added;
    EXPECT_EQ(sibling->watched, nullptr);
    EXPECT_EQ(inner->watched, nullptr);
    EXPECT_EQ(form.notes.back(), std::make_pair(added, opRemove));
}

TEST(Component, LoadingBracketCallsLoadedOnEveryComponent)
{
    Probe form(nullptr);
    form.BeginLoading();
    auto *a = new Probe(&form);
    auto *b = new Probe(&form);
    EXPECT_TRUE(a->ComponentState().Contains(csLoading));
    form.EndLoading();
    EXPECT_EQ(form.loaded, 1);
    EXPECT_EQ(a->loaded, 1);
    EXPECT_EQ(b->loaded, 1);
    EXPECT_TRUE(a->loadingSeenInLoaded);
    EXPECT_FALSE(a->ComponentState().Contains(csLoading));
}

TEST(Persistent, AssignBetweenUnrelatedClassesThrows)
{
    TFont f;
    TStringList s;
    EXPECT_THROW(f.Assign(&s), EConvertError);
    TFont g;
    g.SetName("Verdana");
    f.Assign(&g);
    EXPECT_EQ(f.Name(), "Verdana");
}

TEST(Strings, ListBasics)
{
    TStringList l;
    int changes = 0;
    l.OnChange = [&](TObject *) { ++changes; };
    l.SetText("one\r\ntwo\nthree=3\r");
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(changes, 1); // one change for the whole text
    EXPECT_EQ(l.IndexOf("TWO"), 1);
    EXPECT_EQ(l.Values("Three"), "3");
    EXPECT_EQ(l.Text(), "one\r\ntwo\r\nthree=3\r\n");
    EXPECT_THROW(l.Get(3), EListError);
    l.SetSorted(true);
    EXPECT_EQ(l[0], "one");
    EXPECT_EQ(l.Add("apple"), 0);
    EXPECT_EQ(l.Add("ONE"), 1); // duplicate ignored, index of the existing one
    EXPECT_EQ(l.Count(), 4);
    TStringList copy;
    copy.Assign(&l);
    EXPECT_TRUE(copy.Equals(&l));
}

// A sorted list that accepts duplicates places an entry before the entries
// whose key equals its own, so the one added last among equals comes first.
TEST(Strings, SortedDuplicatesGoBeforeEqualKeys)
{
    struct Row {
        const char *name;
        std::vector<const char *> keys; // added in this order; entry i is object i
        std::vector<int> order;         // resulting list, by entry number
    };
    const Row rows[] = {
        {"all keys equal: newest first", {"", "", ""}, {2, 1, 0}},
        {"equal keys among others", {"002050", "001000", "002050", "003000", "002050"}, {1, 4, 2, 0, 3}},
        {"equal ignoring case", {"b", "B", "a"}, {2, 1, 0}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TStringList l;
        l.SetSorted(true);
        l.SetDuplicates(dupAccept);
        std::vector<std::unique_ptr<TStringList>> objects;
        for (const char *key : row.keys) {
            objects.push_back(std::make_unique<TStringList>());
            l.AddObject(QString::fromLatin1(key), objects.back().get());
        }
        ASSERT_EQ(l.Count(), int(row.order.size()));
        for (int i = 0; i < l.Count(); ++i)
            EXPECT_EQ(l.GetObject(i), objects[size_t(row.order[size_t(i)])].get()) << "position " << i;
    }
    TStringList strict;
    strict.SetSorted(true);
    strict.SetDuplicates(dupError);
    strict.Add("x");
    EXPECT_THROW(strict.Add("X"), EListError);
    EXPECT_EQ(strict.Count(), 1);
}

class Item : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    int value = 0;
    void Assign(TPersistent *Source) override
    {
        if (auto *o = dynamic_cast<Item *>(Source)) {
            value = o->value;
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

TEST(Collection, AddDeleteAndAssign)
{
    TCollection c([](TCollection *owner) { return new Item(owner); });
    auto *a = static_cast<Item *>(c.Add());
    a->value = 1;
    auto *b = static_cast<Item *>(c.Insert(0));
    b->value = 2;
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Items(0), b);
    EXPECT_EQ(a->Index(), 1);
    TCollection d([](TCollection *owner) { return new Item(owner); });
    d.Assign(&c);
    ASSERT_EQ(d.Count(), 2);
    EXPECT_EQ(static_cast<Item *>(d.Items(0))->value, 2);
    delete b;
    EXPECT_EQ(c.Count(), 1);
    EXPECT_THROW(c.Items(1), EListError);
}

} // namespace
