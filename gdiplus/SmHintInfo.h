#pragma once
// Hint information of the office image: title, notes and picture.

#include "GpPicture.h"
#include "Persistent.h"
#include "Strings.h"

#include <memory>

class TSmHintInfo : public TPersistent {
public:
    TSmHintInfo();
    ~TSmHintInfo() override;

    const QString &Title() const { return title_; }
    void SetTitle(const QString &Value) { title_ = Value; }
    TStrings *Notes() const { return notes_.get(); }
    void SetNotes(TStrings *Value) { notes_->Assign(Value); }
    TGpPicture *Picture() const { return picture_.get(); }
    void SetPicture(TGpPicture *Value) { picture_->Assign(Value); }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool Value) { showHelp_ = Value; }
    QString WideTitle;
    QString WideNotes;

    // From another hint: everything; from anything else: nothing (no error).
    void Assign(TPersistent *Source) override;
    // Title and notes empty; picture and the rest do not count.
    bool IsEmpty() const;

private:
    QString title_;
    std::unique_ptr<TStringList> notes_;
    std::unique_ptr<TGpPicture> picture_;
    bool showHelp_ = false;
};
