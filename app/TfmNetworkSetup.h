#pragma once
#include "Form.h"

#include <cstdint>

class DialogHost;
class TButton;
class TEdit;
class TLabel;
class TPanel;
class TSkGroupBox;

// Sets the device ID (1-250) that the editor addresses and, while no link is
// established, the IPv4 address of the device for the network link. An empty
// or unreadable ID or octet changes nothing and shows the old value again.
class TfmNetworkSetup : public TForm {
public:
    TfmNetworkSetup(TComponent *AOwner, DialogHost *Host);

    static constexpr int kMaxId = 250;

    // Online the address part is shown disabled and greyed: Set then only
    // changes the device ID.
    void SetOnline(bool Online);

    TSkGroupBox *gbIpSetting;
    TEdit *edIp[4]; // edIp1 .. edIp4, the first octet first
    TSkGroupBox *gbIdSetting;
    TLabel *lbMessage;
    TEdit *edId;
    TButton *bnSet;
    TButton *bnExit;

    void bnSetClick();
    void bnExitClick();
    // The edits' leaving and Enter handling (also reached through their events).
    void edIpExit(TEdit *Edit);
    void edIdExit();

private:
    void FormShow();
    void IpKey(TEdit *Edit, Word &Key);
    void IdKey(Word &Key);

    DialogHost *host_;
    uint32_t shownAddress_ = 0;
};

// Packs four octet texts, the first into the high byte, each reduced to its
// low 8 bits; false when one is not a number.
bool PackAddress(const QString (&Octets)[4], uint32_t &Packed);
QString AddressText(uint32_t Packed);
