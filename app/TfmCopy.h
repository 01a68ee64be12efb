#pragma once
#include "Form.h"

class ChannelLinkHost;
class DialogHost;
class TComboBox;
class TLabel;
class TSkBmpButton;
class TSkGroupBox;

// Copies every processing setting of one channel onto another of the same
// side (input onto input, output onto output); the dialog stays open for
// further copies and keeps its choices between openings. The lists take no
// typed text: a copy without a chosen source or destination does nothing.
class TfmCopy : public TForm {
public:
    TfmCopy(TComponent *AOwner, DialogHost *Dialogs, ChannelLinkHost *Links);

    TSkGroupBox *GroupBox1, *GroupBox2;
    TComboBox *cbInSource, *cbInDestination, *cbOutSource, *cbOutDestination;
    TLabel *Label1, *Label2;
    TSkBmpButton *bnInChCopy, *bnOutChCopy, *bnExit;

    // Both copy buttons: Tag 0 copies the inputs, Tag 1 the outputs.
    void bnInChCopyClick(TObject *Sender);
    void bnExitClick() { Close(); }

private:
    void FormShow();

    DialogHost *dialogs_;
    ChannelLinkHost *links_;
};
