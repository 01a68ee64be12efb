// The Layout tab of the plot editor: the layout viewer and its popup menu.
#include "Menus.h"
#include "PageControl.h"
#include "gComponentEditorListBox.h"
#include "gPlotAxis.h"
#include "gPlotDataView.h"
#include "gPlotEditorForm.h"
#include "gPlotLabel.h"
#include "gPlotLabelManager.h"
#include "gPlotLayoutViewer.h"
#include "gPlotLegend.h"
#include "gPlotMasterManager.h"
#include "gPlotTable.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

namespace {

// The tab that "Edit" opens for a layout object; false for other kinds.
bool EditKindOf(const TObject *Object, TgPlotEditorKind &Kind)
{
    if (dynamic_cast<const TgPlotXAxis *>(Object))
        Kind = iekXAxis;
    else if (dynamic_cast<const TgPlotYAxis *>(Object))
        Kind = iekYAxis;
    else if (dynamic_cast<const TgPlotLegend *>(Object))
        Kind = iekLegend;
    else if (dynamic_cast<const TgPlotToolBar *>(Object))
        Kind = iekToolBar;
    else if (dynamic_cast<const TgPlotLabel *>(Object))
        Kind = iekLabel;
    else if (dynamic_cast<const TgPlotDataView *>(Object))
        Kind = iekDataView;
    else
        return false;
    return true;
}

} // namespace

void TgPlotEditorForm::BuildLayoutTab()
{
    gPlotLayoutViewer = new TgPlotLayoutViewer(this);
    gPlotLayoutViewer->SetName(QStringLiteral("gPlotLayoutViewer"));
    gPlotLayoutViewer->SetParent(LayoutTabSheet);
    gPlotLayoutViewer->SetAlign(alClient);
    gPlotLayoutViewer->SetMaster(FMaster);
    gPlotLayoutViewer->SetLayoutManager(FMaster->LayoutManager());
    gPlotLayoutViewer->SetTranslationManager(FMaster->TranslationManager());
    gPlotLayoutViewer->OnChange = [this](TObject *) { UpdateAll(); };
    gPlotLayoutViewer->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int X, int Y) {
        FRightClickObject = gPlotLayoutViewer->GetMouseOverBlock(X, Y);
    };

    LayoutPopupMenu = new TPopupMenu(this);
    LayoutPopupMenu->SetName(QStringLiteral("LayoutPopupMenu"));
    const auto item = [this](const char *Name, const char *Caption) {
        auto *i = new TMenuItem(this);
        if (Name)
            i->SetName(QString::fromLatin1(Name));
        i->SetCaption(QString::fromLatin1(Caption));
        LayoutPopupMenu->Items()->Add(i);
        if (Name)
            i->OnClick = [this, i](TObject *) { LayoutMenuClick(i); };
        return i;
    };
    XYAxesReverseMenuItem = item("XYAxesReverseMenuItem", "XY-Axes Reverse");
    item(nullptr, "-");
    AddXAxisMenuItem = item("AddXAxisMenuItem", "Add X-Axis");
    AddYAxisMenuItem = item("AddYAxisMenuItem", "Add Y-Axis");
    AddLabelMenuItem = item("AddLabelMenuItem", "Add Label");
    item(nullptr, "-");
    DeleteMenuItem = item("DeleteMenuItem", "Delete");
    VisibleMenuItem = item("VisibleMenuItem", "Visible");
    EditMenuItem = item("EditMenuItem", "Edit");
    LayoutPopupMenu->OnPopup = [this](TObject *s) { LayoutPopupMenuPopup(s); };
    gPlotLayoutViewer->SetPopupMenu(LayoutPopupMenu);
}

void TgPlotEditorForm::LayoutPopupMenuPopup(TObject *)
{
    TgPlotLayoutObject *target = FRightClickObject;
    XYAxesReverseMenuItem->SetChecked(FMaster->XYAxesReverse());
    const TgPlotLabelManager *labels = FMaster->LabelManager();
    const bool firstLabel = labels && labels->Count() > 0 && labels->GetItem(0) == target;
    DeleteMenuItem->SetEnabled(target && (dynamic_cast<TgPlotAxis *>(target) || dynamic_cast<TgPlotTable *>(target) ||
                                          (dynamic_cast<TgPlotLabel *>(target) && !firstLabel)));
    VisibleMenuItem->SetEnabled(target && !dynamic_cast<TgPlotDataView *>(target));
    VisibleMenuItem->SetChecked(target && target->Visible());
    EditMenuItem->SetEnabled(target != nullptr);
}

void TgPlotEditorForm::LayoutMenuClick(TMenuItem *Item)
{
    TgPlotLayoutObject *target = FRightClickObject;
    if (Item == XYAxesReverseMenuItem) {
        FMaster->SetXYAxesReverse(!FMaster->XYAxesReverse());
    } else if (Item == AddXAxisMenuItem) {
        FMaster->AddXAxis();
    } else if (Item == AddYAxisMenuItem) {
        FMaster->AddYAxis();
    } else if (Item == AddLabelMenuItem) {
        FMaster->AddLabel();
    } else if (Item == DeleteMenuItem && target) {
        FRightClickObject = nullptr;
        target->Free();
        UpdateAll();
    } else if (Item == VisibleMenuItem && target) {
        target->SetVisible(!target->Visible());
        UpdateAll();
    } else if (Item == EditMenuItem && target) {
        TgPlotEditorKind kind;
        if (EditKindOf(target, kind)) {
            ShowKindPage(kind);
            ListBox(kind)->SetItemIndex(ListBox(kind)->Items()->IndexOfObject(target));
            UpdateKindEdit(kind);
        }
    }
    gPlotLayoutViewer->Invalidate();
}
