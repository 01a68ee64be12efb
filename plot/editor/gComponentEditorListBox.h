#pragma once
#include "ListBox.h"

#include <functional>

// Asked for each entry as it is drawn: the text (in: the entry's string),
// whether a colour box goes before it (in: true) and its colour (in: red).
using TgEditorListGetDataEvent =
    std::function<void(TObject *Sender, int Index, bool &DrawColorBox, TColor &AColor, QString &AText)>;

// The object list of the editor forms: entries hold objects and are drawn
// by the list (teal behind the selected entry) with an optional colour box,
// their texts fetched through OnGetData at paint time so that a renamed
// object shows its new name. Dragging an entry within the list moves it to
// the entry under the drop (the last one when dropped below them) and fires
// OnItemMove; the objects' own order elsewhere does not change.
class TgComponentEditorListBox : public TListBox {
public:
    explicit TgComponentEditorListBox(TComponent *AOwner);

    // Selects the last entry (none in an empty list).
    void SelectLast();
    // Deletes the selected entry and frees its object; the entry that moved
    // into its place, or else the new last one, is selected.
    void DeleteSelectedObject();
    // Deletes the entry holding AObject (the object is not freed), keeping
    // the selection at the same place or on the new last entry.
    void DeleteObjectIndex(TObject *AObject);

    TgEditorListGetDataEvent OnGetData;
    TNotifyEvent OnItemMove;

    void DrawItem(int Index, const TRect &Rect, TOwnerDrawState State) override;
    void DragOver(TObject *Source, int X, int Y, TDragState State, bool &Accept) override;
    void DragDrop(TObject *Source, int X, int Y) override;
};
