#pragma once
#include "Form.h"

#include <array>
#include <vector>

class ChannelLinkHost;
class DialogHost;
class TLabel;
class TSkBmpButton;
class TSkGroupBox;

// The channel link dialog: one triangular grid per side in which row R holds
// a button for every column C up to R; the down button of a row names the
// row's leader (the diagonal: the row leads or stands alone). Inputs link
// with inputs, outputs with outputs, and a group is led by its lowest
// channel. Set turns the grid into link masks, copies the leader's settings
// into newly linked channels and reloads; Exit puts the grid back to the
// model's groups.
class TfmLinkSel : public TForm {
public:
    TfmLinkSel(TComponent *AOwner, DialogHost *Dialogs, ChannelLinkHost *Links);

    // The button of row Row in column Column of a side (0 inputs, 1
    // outputs), both indices on that side; nullptr when there is none.
    TSkBmpButton *Button(int Side, int Row, int Column) const;

    // Presses the buttons of column (Channel's index) in the rows that Mask names.
    void ShowChannelLinks(int Channel, int Mask);
    // The grid's leaders and pairs to the main window's menu buttons.
    void PublishLinkStates();
    void PublishLinkPairs();

    void bnSetClick();
    void bnExitClick();

    // 1 once a row was clicked since the dialog was last shown.
    int isGridChanged = 0;

    TSkBmpButton *bnSet;
    TSkBmpButton *bnExit;

private:
    struct Side {
        int first;         // first channel
        int rows;          // channels on the side
        std::vector<std::vector<TSkBmpButton *>> buttons; // [row][column <= row]
    };
    void BuildSide(int SideIndex, int Top);
    void RowClick(int SideIndex, int Row, TSkBmpButton *Sender);
    static void Press(TSkBmpButton *Button);
    void FormShow();

    DialogHost *dialogs_;
    ChannelLinkHost *links_;
    std::array<Side, 2> sides_;
};
