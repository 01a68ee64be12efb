#include "Component.h"

#include "Exceptions.h"

#include <algorithm>

bool IsValidIdent(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (int i = 0; i < s.size(); ++i) {
        QChar c = s[i];
        bool alpha = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        bool digit = c >= u'0' && c <= u'9';
        if (!(alpha || (i > 0 && digit)))
            return false;
    }
    return true;
}

TComponent::TComponent(TComponent *AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Tell whoever asked; they drop their references to us.
    while (!freeNotifies_.empty()) {
        TComponent *c = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto &theirs = c->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        c->Notification(this, opRemove);
    }
    // Free what we own, the last one first.
    while (!components_.empty()) {
        TComponent *c = components_.back();
        Remove(c);
        delete c;
    }
    if (owner_)
        owner_->RemoveComponent(this);
}

TComponent *TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        ThrowListIndexError(Index);
    return components_[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto &list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent *TComponent::FindComponent(const QString &AName) const
{
    if (AName.isEmpty())
        return nullptr;
    return byName_.value(AName.toCaseFolded(), nullptr);
}

void TComponent::SetName(const QString &NewName)
{
    if (NewName == name_)
        return;
    if (!NewName.isEmpty()) {
        if (!IsValidIdent(NewName))
            throw EComponentError(QStringLiteral("\"%1\" is not a valid component name").arg(NewName));
        if (owner_) {
            TComponent *other = owner_->FindComponent(NewName);
            if (other && other != this)
                throw EComponentError(QStringLiteral("A component named %1 already exists").arg(NewName));
        }
    }
    if (owner_ && !name_.isEmpty())
        owner_->byName_.remove(name_.toCaseFolded());
    name_ = NewName;
    if (owner_ && !name_.isEmpty())
        owner_->byName_.insert(name_.toCaseFolded(), this);
}

void TComponent::InsertComponent(TComponent *AComponent)
{
    if (!AComponent || AComponent->owner_ == this)
        return;
    if (!AComponent->name_.isEmpty()) {
        TComponent *other = FindComponent(AComponent->name_);
        if (other)
            throw EComponentError(
                QStringLiteral("A component named %1 already exists").arg(AComponent->name_));
    }
    if (AComponent->owner_)
        AComponent->owner_->RemoveComponent(AComponent);
    Insert(AComponent);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent *AComponent)
{
    if (!AComponent || AComponent->owner_ != this)
        return;
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent *AComponent)
{
    components_.push_back(AComponent);
    AComponent->owner_ = this;
    if (!AComponent->name_.isEmpty())
        byName_.insert(AComponent->name_.toCaseFolded(), AComponent);
    if (state_.Contains(csLoading))
        AComponent->SetLoadingTree(true);
}

void TComponent::Remove(TComponent *AComponent)
{
    // Components go mostly in reverse order of creation: search from the end.
    auto it = std::find(components_.rbegin(), components_.rend(), AComponent);
    if (it != components_.rend())
        components_.erase(std::next(it).base());
    if (!AComponent->name_.isEmpty())
        byName_.remove(AComponent->name_.toCaseFolded());
    AComponent->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent *AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end())
        freeNotifies_.push_back(AComponent);
    auto &theirs = AComponent->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end())
        theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent *AComponent)
{
    if (!AComponent)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), AComponent),
                        freeNotifies_.end());
    auto &theirs = AComponent->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent *AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent && !freeNotifies_.empty())
        RemoveFreeNotification(AComponent);
    if (Operation != opRemove)
        return;
    // The last one first, held within the list after each call: a handler may
    // free components of ours.
    for (size_t i = components_.size(); i-- > 0;) {
        TComponent *c = components_[i];
        if (c != AComponent)
            c->Notification(AComponent, Operation);
        i = std::min(i, components_.size());
    }
}

void TComponent::Loaded()
{
    state_.Exclude(csLoading);
}

void TComponent::SetDesigning(bool Value)
{
    if (Value)
        state_.Include(csDesigning);
    else
        state_.Exclude(csDesigning);
}

void TComponent::SetLoadingTree(bool Loading)
{
    if (Loading)
        state_.Include(csLoading);
    else
        state_.Exclude(csLoading);
    for (TComponent *c : components_)
        c->SetLoadingTree(Loading);
}

void TComponent::BeginLoading()
{
    SetLoadingTree(true);
}

void TComponent::CallLoadedTree()
{
    if (state_.Contains(csLoading))
        Loaded();
    std::vector<TComponent *> owned = components_;
    for (TComponent *c : owned)
        c->CallLoadedTree();
}

void TComponent::EndLoading()
{
    CallLoadedTree();
}
