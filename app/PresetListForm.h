#pragma once
#include "Form.h"

#include <string>

class DialogHost;
class TButton;
class TLabel;
class TValueListEditor;
class TfmStoreName;

// What the store and recall lists share: a key/value list of preset rows
// ("F00", "U01" .. "U20" with their 14-character names) kept row by row, so a
// name of any byte count can never shift its neighbours, and the fixed-width
// text of the rows made from them where a text is wanted.
class TPresetListForm : public TForm {
public:
    // With FactoryRow the first row is F00; the user rows follow from U01.
    TPresetListForm(TComponent *AOwner, DialogHost *Host, const char *FormName, int Rows, bool FactoryRow);

    void SetNameDialog(TfmStoreName *Dialog) { nameDialog_ = Dialog; }
    // Replaces the name of list row `row` (out of range: nothing), cut or
    // padded to 14 characters on its own. Device bytes map one to one onto
    // characters (Latin-1), so their count is their length.
    void SetPresetName(int row, const std::string &name);
    void SetPresetName(int row, const QString &name);
    // The 14 characters of row `row` as they stand.
    QString PresetName(int row) const;
    int RowCount() const;
    // The rows as one text: five blanks, key, "=", two blanks, 14-character
    // name, CR LF for each row (27 characters a row).
    QString RowsText() const;

    static QString FitName(const QString &name);

    TLabel *lPresetSelect;
    TValueListEditor *vledPresetName;
    TButton *bnCancel;

protected:
    void FormShow(const char *CaptionSid);

    DialogHost *host_;
    TfmStoreName *nameDialog_ = nullptr;
    int storeMode_;

private:
    // Opens the name dialog on grid row ARow (1 the first key row): titled
    // by the row's key, in store mode for the store list (the one without
    // the factory row).
    void vledPresetNameSelectCell(int ARow);
    void bnCancelClick();
};
