#include "gPlotComponent.h"

#include "Bitmap.h"
#include "ComponentStream.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "Font.h"
#include "ImageList.h"
#include "Menus.h"
#include "Metafile.h"
#include "Picture.h"
#include "gPlotAnnotation.h"
#include "gPlotAnnotationManager.h"
#include "gPlotChannelManager.h"
#include "gPlotDataCursor.h"
#include "gPlotDataCursorManager.h"
#include "gPlotDataView.h"
#include "gPlotDataViewManager.h"
#include "gPlotLabel.h"
#include "gPlotLabelManager.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotLegendManager.h"
#include "gPlotLimit.h"
#include "gPlotLimitManager.h"
#include "gPlotMasterManager.h"
#include "gPlotObjectManager.h"
#include "gPlotTable.h"
#include "gPlotTableManager.h"
#include "gPlotToolBar.h"
#include "gPlotToolBarManager.h"
#include "gPlotTranslationManager.h"
#include "gPlotTranslationObject.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

#include <QPainter>

TgPlotComponent::TgPlotComponent(TComponent *AOwner)
    : TgCustomComponent(AOwner), FPopupMenu(std::make_unique<TPopupMenu>(nullptr)),
      FHintsFont(std::make_unique<TFont>()), FAnnotationDefaultFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 500, 200);
    SetBackGroundColor(0);
    SetBorderStyle(ibsLowered);
    SetUpdateFrameRate(60);
    SetAutoFrameRate(true);
    FMasterManager = std::make_unique<TgPlotMasterManager>(this);
    FMasterManager->OnChange = [this](TObject *S) { DoObjectChange(S); };
    FMasterManager->OnRemove = [this](TObject *S) { DoObjectRemoved(S); };
    FMasterManager->OnInsert = [this](TObject *S) { DoObjectAdded(S); };
    FMasterManager->OnInvalidateNow = [this](TObject *) { InvalidateNow(); };
    for (auto &list : FImageLists) {
        list = std::make_unique<TCustomImageList>(nullptr);
        list->SetWidth(24);
        list->SetHeight(24);
    }
    FAnnotationDefaultFont->SetColor(clWhite);
    FMasterManager->SetUserCanEditObjects(true);
    OnInternalTimer = [this](TObject *S) { HintTimerTick(S); };
}

TgPlotComponent::~TgPlotComponent()
{
    Destroying();
    FMouseDownObject = nullptr;
    FMasterManager->ObjectManager()->ShutDownSetup();
    FMasterManager.reset();
}

// --- Notifications --------------------------------------------------------

bool TgPlotComponent::KindOf(const TObject *Object, TgPlotEventKind &Kind, int &Index) const
{
    if (!FMasterManager)
        return false;
    const TgPlotObjectManagerCustom *managers[ipekCount] = {
        FMasterManager->ChannelManager(),    FMasterManager->XAxisManager(),    FMasterManager->YAxisManager(),
        FMasterManager->DataCursorManager(), FMasterManager->DataViewManager(), FMasterManager->LegendManager(),
        FMasterManager->LimitManager(),      FMasterManager->TableManager(),    FMasterManager->AnnotationManager()};
    for (int k = 0; k < ipekCount; ++k) {
        if (!managers[k])
            continue;
        Index = managers[k]->GetIndex(Object);
        if (Index >= 0) {
            Kind = static_cast<TgPlotEventKind>(k);
            return true;
        }
    }
    return false;
}

void TgPlotComponent::DoObjectAdded(TObject *Sender)
{
    static TgPlotObjectEvent TgPlotComponent::*const events[ipekCount] = {
        &TgPlotComponent::OnAddChannel,    &TgPlotComponent::OnAddXAxis,  &TgPlotComponent::OnAddYAxis,
        &TgPlotComponent::OnAddDataCursor, &TgPlotComponent::OnAddDataView, &TgPlotComponent::OnAddLegend,
        &TgPlotComponent::OnAddLimit,      &TgPlotComponent::OnAddTable,  &TgPlotComponent::OnAddAnnotation};
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Sender, kind, index) && this->*events[kind])
        (this->*events[kind])(this, index);
}

void TgPlotComponent::ForgetObject(TObject *Object)
{
    for (TgPlotObject **ref : {&FMouseDownObject, &FLastMouseOverObject, &FLastClickedObject, &FLastHintObject})
        if (static_cast<TObject *>(*ref) == Object)
            *ref = nullptr;
}

void TgPlotComponent::DoObjectRemoved(TObject *Sender)
{
    ForgetObject(Sender);
    static TgPlotObjectEvent TgPlotComponent::*const events[ipekCount] = {
        &TgPlotComponent::OnRemoveChannel,    &TgPlotComponent::OnRemoveXAxis,    &TgPlotComponent::OnRemoveYAxis,
        &TgPlotComponent::OnRemoveDataCursor, &TgPlotComponent::OnRemoveDataView, &TgPlotComponent::OnRemoveLegend,
        &TgPlotComponent::OnRemoveLimit,      &TgPlotComponent::OnRemoveTable,    &TgPlotComponent::OnRemoveAnnotation};
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Sender, kind, index) && this->*events[kind])
        (this->*events[kind])(this, index);
}

void TgPlotComponent::DoObjectChange(TObject *)
{
    InvalidateChange();
}

// --- Objects ----------------------------------------------------------------

TgPlotObjectManager *TgPlotComponent::GetObjectManager() const { return FMasterManager->ObjectManager(); }
TgPlotTranslationManager *TgPlotComponent::GetTranslationManager() const
{
    return FMasterManager->TranslationManager();
}
TgPlotLayoutManager *TgPlotComponent::LayoutManager() const { return FMasterManager->LayoutManager(); }

// Add, Delete, RemoveAll, Count, Get, GetByName and GetIndexByName of one kind.
#define TQ62_KIND_OPERATIONS(Kind, Kinds, Class, Manager)                                                          \
    int TgPlotComponent::Add##Kind() { return FMasterManager->Add##Kind(); }                                        \
    void TgPlotComponent::Delete##Kind(int Index)                                                                  \
    {                                                                                                              \
        FMasterManager->Manager()->GetItem(Index)->Free();                                                         \
        InvalidateNow();                                                                                           \
    }                                                                                                              \
    int TgPlotComponent::Kind##Count() const { return FMasterManager->Manager()->Count(); }                         \
    Class *TgPlotComponent::Get##Kind(int Index) const { return FMasterManager->Manager()->GetItem(Index); }        \
    Class *TgPlotComponent::Get##Kind##ByName(const QString &Value) const                                          \
    {                                                                                                              \
        return static_cast<Class *>(FMasterManager->Manager()->GetObjectByName(Value));                            \
    }                                                                                                              \
    int TgPlotComponent::Get##Kind##IndexByName(const QString &Value) const                                        \
    {                                                                                                              \
        return FMasterManager->Manager()->GetIndexByName(Value);                                                   \
    }
TQ62_KIND_OPERATIONS(ToolBar, ToolBars, TgPlotToolBar, ToolBarManager)
TQ62_KIND_OPERATIONS(Legend, Legends, TgPlotLegend, LegendManager)
TQ62_KIND_OPERATIONS(Table, Tables, TgPlotTable, TableManager)
TQ62_KIND_OPERATIONS(XAxis, XAxes, TgPlotXAxis, XAxisManager)
TQ62_KIND_OPERATIONS(YAxis, YAxes, TgPlotYAxis, YAxisManager)
TQ62_KIND_OPERATIONS(DataView, DataViews, TgPlotDataView, DataViewManager)
TQ62_KIND_OPERATIONS(DataCursor, DataCursors, TgPlotDataCursor, DataCursorManager)
TQ62_KIND_OPERATIONS(Channel, Channels, TgPlotChannelCustom, ChannelManager)
TQ62_KIND_OPERATIONS(Limit, Limits, TgPlotLimit, LimitManager)
#undef TQ62_KIND_OPERATIONS

int TgPlotComponent::AddAnnotation()
{
    const int index = FMasterManager->AddAnnotation();
    TgPlotAnnotation *a = GetAnnotation(index);
    a->SetBrushStyle(FAnnotationDefaultBrushStyle);
    a->SetBrushColor(FAnnotationDefaultBrushColor);
    a->SetPenStyle(FAnnotationDefaultPenStyle);
    a->SetPenColor(FAnnotationDefaultPenColor);
    a->SetPenWidth(FAnnotationDefaultPenWidth);
    a->SetReference(FAnnotationDefaultReference);
    a->SetReferencePositionX(FAnnotationDefaultReferenceXY[0]);
    a->SetReferencePositionY(FAnnotationDefaultReferenceXY[1]);
    a->SetReferenceSizeX(FAnnotationDefaultReferenceXY[2]);
    a->SetReferenceSizeY(FAnnotationDefaultReferenceXY[3]);
    a->SetFont(FAnnotationDefaultFont.get());
    return index;
}
void TgPlotComponent::DeleteAnnotation(int Index)
{
    FMasterManager->AnnotationManager()->GetItem(Index)->Free();
    InvalidateNow();
}
int TgPlotComponent::AnnotationCount() const { return FMasterManager->AnnotationManager()->Count(); }
TgPlotAnnotation *TgPlotComponent::GetAnnotation(int Index) const
{
    return FMasterManager->AnnotationManager()->GetItem(Index);
}
TgPlotAnnotation *TgPlotComponent::GetAnnotationByName(const QString &Value) const
{
    return static_cast<TgPlotAnnotation *>(FMasterManager->AnnotationManager()->GetObjectByName(Value));
}
int TgPlotComponent::GetAnnotationIndexByName(const QString &Value) const
{
    return FMasterManager->AnnotationManager()->GetIndexByName(Value);
}

int TgPlotComponent::AddLabel() { return FMasterManager->AddLabel(); }
void TgPlotComponent::DeleteLabel(int Index)
{
    if (Index == 0)
        throw Exception(QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    FMasterManager->LabelManager()->GetItem(Index)->Free();
    InvalidateNow();
}
int TgPlotComponent::LabelCount() const { return FMasterManager->LabelManager()->Count(); }
TgPlotLabel *TgPlotComponent::GetLabel(int Index) const { return FMasterManager->LabelManager()->GetItem(Index); }
TgPlotLabel *TgPlotComponent::GetLabelByName(const QString &Value) const
{
    return static_cast<TgPlotLabel *>(FMasterManager->LabelManager()->GetObjectByName(Value));
}
int TgPlotComponent::GetLabelIndexByName(const QString &Value) const
{
    return FMasterManager->LabelManager()->GetIndexByName(Value);
}

#define TQ62_REMOVE_ALL(Kinds, Manager)                                                                            \
    void TgPlotComponent::RemoveAll##Kinds()                                                                       \
    {                                                                                                              \
        FMasterManager->Manager()->Clear();                                                                        \
        InvalidateNow();                                                                                           \
    }
TQ62_REMOVE_ALL(ToolBars, ToolBarManager)
TQ62_REMOVE_ALL(Legends, LegendManager)
TQ62_REMOVE_ALL(Tables, TableManager)
TQ62_REMOVE_ALL(XAxes, XAxisManager)
TQ62_REMOVE_ALL(YAxes, YAxisManager)
TQ62_REMOVE_ALL(DataViews, DataViewManager)
TQ62_REMOVE_ALL(DataCursors, DataCursorManager)
TQ62_REMOVE_ALL(Channels, ChannelManager)
TQ62_REMOVE_ALL(Annotations, AnnotationManager)
TQ62_REMOVE_ALL(Limits, LimitManager)
#undef TQ62_REMOVE_ALL

void TgPlotComponent::RemoveAllLabels()
{
    // The title, label 0, stays; so does a label whose removal is under way.
    for (int i = 1; i < LabelCount();) {
        TgPlotLabel *label = GetLabel(i);
        if (label->Removing())
            ++i;
        else
            label->Free();
    }
}

int TgPlotComponent::AddTranslation(const QString &OriginalString, const QString &ReplacementString)
{
    const int index = FMasterManager->AddTranslation();
    TgPlotTranslationObject *entry = GetTranslationManager()->GetItem(index);
    entry->SetOriginalString(OriginalString);
    entry->SetReplacementString(ReplacementString);
    return index;
}

void TgPlotComponent::DeleteTranslation(int Index)
{
    GetTranslationManager()->Delete(Index);
    InvalidateNow();
}

void TgPlotComponent::RemoveAllTranslations()
{
    GetTranslationManager()->Clear();
    InvalidateNow();
}

int TgPlotComponent::TranslationCount() const { return GetTranslationManager()->Count(); }
QString TgPlotComponent::GetTranslationOriginalString(int Index) const
{
    return GetTranslationManager()->GetItem(Index)->OriginalString();
}
QString TgPlotComponent::GetTranslationReplacementString(int Index) const
{
    return GetTranslationManager()->GetItem(Index)->ReplacementString();
}
void TgPlotComponent::LoadTranslationsFromFile(const QString &FileName)
{
    GetTranslationManager()->LoadFromFile(FileName);
}
void TgPlotComponent::SaveTranslationsToFile(const QString &FileName)
{
    GetTranslationManager()->SaveToFile(FileName);
}

QString TgPlotComponent::TranslateText(const QString &Text)
{
    return FMasterManager && GetTranslationManager() ? GetTranslationManager()->FindReplacement(Text) : Text;
}

// --- Title, layout manager, settings --------------------------------------

QString TgPlotComponent::TitleText() const { return LabelCount() > 0 ? GetLabel(0)->Caption() : QString(); }
void TgPlotComponent::SetTitleText(const QString &Value)
{
    if (LabelCount() > 0)
        GetLabel(0)->SetCaption(Value);
}
bool TgPlotComponent::TitleVisible() const { return LabelCount() > 0 && GetLabel(0)->Visible(); }
void TgPlotComponent::SetTitleVisible(bool Value)
{
    if (LabelCount() > 0)
        GetLabel(0)->SetVisible(Value);
}
double TgPlotComponent::TitleMargin() const { return LabelCount() > 0 ? GetLabel(0)->MarginBottom() : 0.0; }
void TgPlotComponent::SetTitleMargin(double Value)
{
    if (LabelCount() > 0)
        GetLabel(0)->SetMarginBottom(Value);
}
TFont *TgPlotComponent::TitleFont() const
{
    return LabelCount() > 0 ? GetLabel(0)->Font() : const_cast<TgPlotComponent *>(this)->Font();
}
void TgPlotComponent::SetTitleFont(TFont *Value)
{
    if (LabelCount() > 0)
        GetLabel(0)->SetFont(Value);
}

void TgPlotComponent::DisableLayoutManager() { LayoutManager()->SetEnabled(false); }
void TgPlotComponent::EnableLayoutManager() { LayoutManager()->SetEnabled(true); }
void TgPlotComponent::RefreshLayoutManager()
{
    DisableLayoutManager();
    EnableLayoutManager();
}

void TgPlotComponent::SetBackGroundGradientDirection(TgFillDirection Value)
{
    if (Value == FBackGroundGradientDirection)
        return;
    FBackGroundGradientDirection = Value;
    InvalidateChange();
}

void TgPlotComponent::SetHintsFont(TFont *Value) { FHintsFont->Assign(Value); }
void TgPlotComponent::SetAnnotationDefaultFont(TFont *Value) { FAnnotationDefaultFont->Assign(Value); }
bool TgPlotComponent::UserCanEditObjects() const { return FMasterManager->UserCanEditObjects(); }
void TgPlotComponent::SetUserCanEditObjects(bool Value) { FMasterManager->SetUserCanEditObjects(Value); }
bool TgPlotComponent::XYAxesReverse() const { return LayoutManager()->XYAxesReverse(); }
void TgPlotComponent::SetXYAxesReverse(bool Value) { FMasterManager->SetXYAxesReverse(Value); }
int TgPlotComponent::DataViewZHorz() const
{
    return reinterpret_cast<TgPlotLayoutObject *>(LayoutManager()->DataViewHorz())->ZOrder();
}
void TgPlotComponent::SetDataViewZHorz(int Value)
{
    reinterpret_cast<TgPlotLayoutObject *>(LayoutManager()->DataViewHorz())->SetZOrder(Value);
}
int TgPlotComponent::DataViewZVert() const
{
    return reinterpret_cast<TgPlotLayoutObject *>(LayoutManager()->DataViewVert())->ZOrder();
}
void TgPlotComponent::SetDataViewZVert(int Value)
{
    reinterpret_cast<TgPlotLayoutObject *>(LayoutManager()->DataViewVert())->SetZOrder(Value);
}

void TgPlotComponent::SetLogFileName(const QString &Value)
{
    if (FLoggingActive && Value != FLogFileName)
        throw Exception(QStringLiteral("Log File Name can not be changed while logging is active."));
    FLogFileName = Value;
}

void TgPlotComponent::SetDataFileColumnSeparator(TgPlotDataFileColumnSeparator Value)
{
    if (FLoggingActive && Value != FDataFileColumnSeparator)
        throw Exception(QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    FDataFileColumnSeparator = Value;
}

void TgPlotComponent::SetDataFileFormat(TgPlotDataFileFormat Value)
{
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Format can not be changed while logging active"));
    FDataFileFormat = Value;
}

double TgPlotComponent::GetNow() const { return Now(); }

void TgPlotComponent::DoAfterOpenEditor(TObject *Sender)
{
    if (OnAfterOpenEditor)
        OnAfterOpenEditor(Sender);
}

// --- Image lists -------------------------------------------------------------

TCustomImageList *TgPlotComponent::GetImageList(int Index) const
{
    return Index >= 0 && Index <= 2 ? FImageLists[static_cast<size_t>(Index)].get() : nullptr;
}

TCustomImageList *TgPlotComponent::CheckedImageList(int Index) const
{
    TCustomImageList *list = GetImageList(Index);
    if (!list)
        throw Exception(QStringLiteral("ImageList Index must be 0-2"));
    return list;
}

void TgPlotComponent::ImageListClear(int ImageListIndex)
{
    CheckedImageList(ImageListIndex)->Clear();
    InvalidateChange();
}

void TgPlotComponent::ImageListAdd(int ImageListIndex, TBitmap *ABitmap)
{
    AddImageToList(ImageListIndex, ABitmap);
}

void TgPlotComponent::AddImageToList(int Index, TBitmap *Bitmap)
{
    TCustomImageList *list = CheckedImageList(Index);
    const int bw = Bitmap->Width(), bh = Bitmap->Height();
    if (list->Count() == 0) {
        list->SetWidth(bw);
        list->SetHeight(bh);
    } else if (bw < list->Width() && bh < list->Height()) {
        // Centred on a list-sized picture of its transparent colour.
        const TColor transparent = Bitmap->TransparentColor();
        TBitmap padded(list->Width(), list->Height());
        padded.Canvas()->Brush()->SetStyle(bsSolid);
        padded.Canvas()->Brush()->SetColor(transparent);
        padded.Canvas()->FillRect(TRect(0, 0, list->Width(), list->Height()));
        padded.Canvas()->Draw(list->Width() / 2 - bw / 2, list->Height() / 2 - bh / 2, Bitmap);
        Bitmap->Assign(&padded);
        Bitmap->SetTransparentMode(tmFixed);
        Bitmap->SetTransparentColor(transparent);
    } else if ((list->Width() >= bw || list->Height() >= bh) && bw != list->Width() && bh != list->Height()) {
        throw Exception(
            QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
    }
    list->AddMasked(Bitmap->Image(), Bitmap->TransparentColor());
    InvalidateChange();
}

// --- Form stream ----------------------------------------------------------

void TgPlotComponent::DefineProperties(TFiler *Filer)
{
    TgPlotMasterManager *m = FMasterManager.get();
    // Only reading opens the bracket that Loaded closes; writing must leave
    // the plot live.
    if (dynamic_cast<TReader *>(Filer)) {
        FReadingStream = true;
        DisableLayoutManager();
        BeginUpdate();
    }
    Filer->DefineProperty(
        QStringLiteral("DataViewZHorz"), [this](TReader *r) { SetDataViewZHorz(static_cast<int>(r->ReadInteger())); },
        [this](TWriter *w) { w->WriteInteger(DataViewZHorz()); }, true);
    Filer->DefineProperty(
        QStringLiteral("DataViewZVert"), [this](TReader *r) { SetDataViewZVert(static_cast<int>(r->ReadInteger())); },
        [this](TWriter *w) { w->WriteInteger(DataViewZVert()); }, true);
    for (int i = 0; i < 3; ++i) {
        TCustomImageList *list = FImageLists[static_cast<size_t>(i)].get();
        Filer->DefineProperty(
            QStringLiteral("ImageList%1").arg(i),
            [list](TReader *r) {
                if (!list->LoadFromBytes(r->ReadBinary()))
                    throw EReadError(QStringLiteral("Failed to read ImageList data from stream"));
            },
            [list](TWriter *w) { w->WriteBinary(list->SaveToBytes()); }, list->Count() > 0);
    }
    const std::pair<const char *, TgPlotObjectManagerCustom *> managers[] = {
        {"ToolBarManager", m->ToolBarManager()},       {"LegendManager", m->LegendManager()},
        {"TableManager", m->TableManager()},           {"XAxisManager", m->XAxisManager()},
        {"YAxisManager", m->YAxisManager()},           {"ChannelManager", m->ChannelManager()},
        {"DataViewManager", m->DataViewManager()},     {"DataCursorManager", m->DataCursorManager()},
        {"LimitManager", m->LimitManager()},           {"LabelManager", m->LabelManager()}};
    for (const auto &[name, manager] : managers)
        Filer->DefineProperty(
            QString::fromLatin1(name), [manager = manager](TReader *r) { manager->ReadFromStream(r); },
            [manager = manager](TWriter *w) { manager->WriteToStream(w); }, manager->DoWriteToStream());
    TgPlotTranslationManager *translations = m->TranslationManager();
    Filer->DefineProperty(
        QStringLiteral("TranslationManager"), [translations](TReader *r) { translations->ReadFromStream(r); },
        [translations](TWriter *w) { translations->WriteToStream(w); }, translations->DoWriteToStream());
    TgCustomComponent::DefineProperties(Filer);
}

void TgPlotComponent::Loaded()
{
    TgCustomComponent::Loaded();
    if (!FReadingStream)
        return;
    FReadingStream = false;
    // A toolbar and the title sharing a band: the toolbar goes outside.
    if (ToolBarCount() > 0 && LabelCount() > 0) {
        TgPlotToolBar *toolBar = GetToolBar(0);
        TgPlotLabel *label = GetLabel(0);
        if (toolBar->Horizontal() == label->Horizontal() && toolBar->ZOrder() == label->ZOrder())
            toolBar->SetZOrder(toolBar->ZOrder() + 1);
    }
    EnableLayoutManager();
    EndUpdate();
}
