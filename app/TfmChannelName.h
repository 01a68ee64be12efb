#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TEdit;
class TLabel;

// Renames one channel (0-3 inputs A-D, 4-11 outputs 1-8). The opener puts the
// current name in and chooses the channel, then shows it. OK always sends the
// name as 8 bytes: the text, then NUL bytes. The edit keeps printable ASCII,
// so the 8 characters are the 8 bytes.
class TfmChannelName : public TForm {
public:
    TfmChannelName(TComponent *AOwner, DialogHost *Host);

    // The name up to its first NUL, at most 8 characters.
    void SetChannelName(const std::string &Name);
    void SetChannel(int Channel);
    int Channel() const { return channel_; }

    TLabel *lbChannel;
    TLabel *lbChannelName;
    TEdit *edName;
    TButton *btnOK;
    TButton *bnCancel;

    void btnOKClick();

private:
    void FormShow();

    DialogHost *host_;
    int channel_ = 0;
};

// "InA" .. "InD", "Out1" .. "Out8" for channel 0-11.
QString ChannelLabel(int Channel);
// The text of an 8-byte stored name: up to its first NUL, at most 8 characters.
QString StoredNameText(const std::string &Name);
