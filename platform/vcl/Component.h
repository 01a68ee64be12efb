#pragma once
#include "Persistent.h"
#include "Set.h"

#include <QHash>
#include <QString>
#include <vector>

enum TOperation { opInsert, opRemove };

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;

// A component: owned by another component (its Owner, which destroys it), with
// a Name unique among the owner's components (compared without regard to
// case), a Tag, and a list of the components it owns.
//
// Lifetime: `delete` a component to free it; it leaves its owner's list and
// tells every component that asked for FreeNotification (Notification with
// opRemove) before its owned components are freed (the last created first).
// An owner is told of each component inserted into or removed from its list
// through Notification; a removal it passes on to every component it owns, so
// that none keeps a pointer to a freed component. An insert goes to the owner
// alone: a window owns thousands of components, and announcing each insert to
// all the others made building it quadratic.
//
// Loading: a window built in code brackets its construction with
// BeginLoading()/EndLoading(): meanwhile csLoading is in ComponentState of the
// component and everything it owns (setters may defer work while it is set);
// EndLoading calls Loaded() on the component and then on each owned one, in
// creation order, and Loaded clears csLoading.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent *AOwner);
    ~TComponent() override;

    TComponent *Owner() const { return owner_; }
    const QString &Name() const { return name_; }
    // Throws EComponentError for a name that is not an identifier or that
    // another component of the same owner already has (case ignored).
    virtual void SetName(const QString &NewName);
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    // Name and Tag (TypInfo.h).
    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticComponentPublished();

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent *Components(int Index) const; // throws EListError out of range
    // Position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // The owned component of that name, compared without regard to case; none
    // for an empty name or no match.
    TComponent *FindComponent(const QString &AName) const;

    void InsertComponent(TComponent *AComponent);
    void RemoveComponent(TComponent *AComponent);

    // AComponent will be told (Notification opRemove) when this one is freed;
    // the link is mutual, so either side can go first.
    void FreeNotification(TComponent *AComponent);
    void RemoveFreeNotification(TComponent *AComponent);

    TComponentState ComponentState() const { return state_; }
    void BeginLoading();
    void EndLoading();

protected:
    virtual void Notification(TComponent *AComponent, TOperation Operation);
    virtual void Loaded();
    void SetDesigning(bool Value);
    void Destroying() { state_.Include(csDestroying); }

private:
    void Insert(TComponent *AComponent);
    void Remove(TComponent *AComponent);
    void SetLoadingTree(bool Loading);
    void CallLoadedTree();

    TComponent *owner_ = nullptr;
    QString name_;
    int tag_ = 0;
    std::vector<TComponent *> components_;
    // Owned components by case-folded name: lookups by name stay constant
    // time on windows with thousands of controls.
    QHash<QString, TComponent *> byName_;
    std::vector<TComponent *> freeNotifies_;
    TComponentState state_;
};

// True when s is a valid component name: a letter or "_" followed by letters,
// digits or "_" (ASCII).
bool IsValidIdent(const QString &s);
