// TSmHintInfo.

#include "SmHintInfo.h"

TSmHintInfo::TSmHintInfo() : notes_(new TStringList), picture_(new TGpPicture) {}

TSmHintInfo::~TSmHintInfo() = default;

void TSmHintInfo::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSmHintInfo *>(Source);
    if (!other)
        return;
    title_ = other->title_;
    notes_->Assign(other->notes_.get());
    showHelp_ = other->showHelp_;
    picture_->Assign(other->picture_.get());
    WideTitle = other->WideTitle;
    WideNotes = other->WideNotes;
}

bool TSmHintInfo::IsEmpty() const
{
    return title_.isEmpty() && notes_->Text().isEmpty();
}
