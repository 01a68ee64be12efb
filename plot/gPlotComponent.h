#pragma once
#include "Brush.h"
#include "Pen.h"
#include "Printers.h"
#include "gDrawing.h"
#include "gPlotDataFile.h"
#include "gPlotEventTypes.h"
#include "gPlotObject.h"
#include "gPlotObjectHost.h"
#include "gPlotOwner.h"
#include "gVCLComponent.h"

#include <QVariant>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TCustomImageList;
class TFont;
class TMetafile;
class TPicture;
class TPopupMenu;
class TStringList;
class TgPlotAnnotation;
class TgPlotChannelCustom;
class TgPlotDataCursor;
class TgPlotDataView;
class TgPlotLabel;
class TgPlotLayoutManager;
class TgPlotLayoutObject;
class TgPlotLegend;
class TgPlotLimit;
class TgPlotMasterManager;
class TgPlotObject;
class TgPlotObjectManager;
class TgPlotTable;
class TgPlotToolBar;
class TgPlotTranslationManager;
class TgPlotXAxis;
class TgPlotYAxis;

enum TgPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
enum TgPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum TgPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
enum TgPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum TgPlotDataFileFormat { ipdffText, ipdffCompactInterval };

// A rectangle that a Cartesian axis's tick labels occupy during a paint.
struct TgPlotRectObject {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The common base of the XY plot and the strip chart. It owns the master
// manager and through it every plot object; it creates, counts, finds and
// deletes objects per kind, streams them with the form, turns object changes
// into repaints and insertions and removals into its own events, lays the
// objects out and paints them in layer order, and routes mouse, keys and
// hints to the object under the mouse or to the selected ones. Per-kind
// events carry the object's index in its typed manager; none fires while
// the plot is read from a form stream (OnDataCursorChange excepted).
class TgPlotComponent : public TgCustomComponent, public IgPlotObjectHost, public IgPlotOwner {
public:
    explicit TgPlotComponent(TComponent *AOwner);
    ~TgPlotComponent() override;

    TgPlotMasterManager *Master() const { return FMasterManager.get(); }
    TgPlotObjectManager *GetObjectManager() const;
    TgPlotTranslationManager *GetTranslationManager() const;
    TgPlotLayoutManager *LayoutManager() const;
    TPopupMenu *PopupMenu() const { return FPopupMenu.get(); }

    // Objects, per kind: Add returns the new index; Delete frees the object
    // and repaints at once (label 0, the title, cannot be deleted).
    virtual int AddToolBar();
    virtual int AddLegend();
    virtual int AddTable();
    virtual int AddXAxis();
    virtual int AddYAxis();
    virtual int AddDataView();
    virtual int AddDataCursor();
    virtual int AddChannel();
    virtual int AddAnnotation();
    virtual int AddLimit();
    virtual int AddLabel();
    virtual void DeleteToolBar(int Index);
    virtual void DeleteLegend(int Index);
    virtual void DeleteTable(int Index);
    virtual void DeleteXAxis(int Index);
    virtual void DeleteYAxis(int Index);
    virtual void DeleteDataView(int Index);
    virtual void DeleteDataCursor(int Index);
    virtual void DeleteChannel(int Index);
    virtual void DeleteAnnotation(int Index);
    virtual void DeleteLimit(int Index);
    virtual void DeleteLabel(int Index);
    virtual void DeleteTranslation(int Index);
    virtual void RemoveAllToolBars();
    virtual void RemoveAllLegends();
    virtual void RemoveAllTables();
    virtual void RemoveAllXAxes();
    virtual void RemoveAllYAxes();
    virtual void RemoveAllDataViews();
    virtual void RemoveAllDataCursors();
    virtual void RemoveAllChannels();
    virtual void RemoveAllAnnotations();
    virtual void RemoveAllLimits();
    // Leaves label 0.
    virtual void RemoveAllLabels();
    virtual void RemoveAllTranslations();
    int ToolBarCount() const;
    int LegendCount() const;
    int TableCount() const;
    int XAxisCount() const;
    int YAxisCount() const;
    int DataViewCount() const;
    int DataCursorCount() const;
    int ChannelCount() const;
    int AnnotationCount() const;
    int LimitCount() const;
    int LabelCount() const;
    TgPlotToolBar *GetToolBar(int Index) const;
    TgPlotLegend *GetLegend(int Index) const;
    TgPlotTable *GetTable(int Index) const;
    TgPlotXAxis *GetXAxis(int Index) const;
    TgPlotYAxis *GetYAxis(int Index) const;
    TgPlotDataView *GetDataView(int Index) const;
    TgPlotDataCursor *GetDataCursor(int Index) const;
    TgPlotChannelCustom *GetChannel(int Index) const;
    TgPlotAnnotation *GetAnnotation(int Index) const;
    TgPlotLimit *GetLimit(int Index) const;
    TgPlotLabel *GetLabel(int Index) const;
    TgPlotToolBar *GetToolBarByName(const QString &Value) const;
    TgPlotLegend *GetLegendByName(const QString &Value) const;
    TgPlotTable *GetTableByName(const QString &Value) const;
    TgPlotXAxis *GetXAxisByName(const QString &Value) const;
    TgPlotYAxis *GetYAxisByName(const QString &Value) const;
    TgPlotDataView *GetDataViewByName(const QString &Value) const;
    TgPlotDataCursor *GetDataCursorByName(const QString &Value) const;
    TgPlotChannelCustom *GetChannelByName(const QString &Value) const;
    TgPlotAnnotation *GetAnnotationByName(const QString &Value) const;
    TgPlotLimit *GetLimitByName(const QString &Value) const;
    TgPlotLabel *GetLabelByName(const QString &Value) const;
    int GetToolBarIndexByName(const QString &Value) const;
    int GetLegendIndexByName(const QString &Value) const;
    int GetTableIndexByName(const QString &Value) const;
    int GetXAxisIndexByName(const QString &Value) const;
    int GetYAxisIndexByName(const QString &Value) const;
    int GetDataViewIndexByName(const QString &Value) const;
    int GetDataCursorIndexByName(const QString &Value) const;
    int GetChannelIndexByName(const QString &Value) const;
    int GetAnnotationIndexByName(const QString &Value) const;
    int GetLimitIndexByName(const QString &Value) const;
    int GetLabelIndexByName(const QString &Value) const;

    // Translations of the library's texts.
    int AddTranslation(const QString &OriginalString, const QString &ReplacementString);
    int TranslationCount() const;
    QString GetTranslationOriginalString(int Index) const;
    QString GetTranslationReplacementString(int Index) const;
    void LoadTranslationsFromFile(const QString &FileName);
    void SaveTranslationsToFile(const QString &FileName);

    // The title: label 0 (nothing without labels).
    QString TitleText() const;
    void SetTitleText(const QString &Value);
    bool TitleVisible() const;
    void SetTitleVisible(bool Value);
    double TitleMargin() const;
    void SetTitleMargin(double Value);
    TFont *TitleFont() const;
    void SetTitleFont(TFont *Value);

    void DisableLayoutManager();
    void EnableLayoutManager();
    void RefreshLayoutManager();

    // Image lists 0..2 (24 x 24 when made); other indexes raise "ImageList
    // Index must be 0-2". An added bitmap smaller in both sides is centred
    // on its transparent colour; one that is larger in one side and smaller
    // in the other is refused.
    TCustomImageList *GetImageList(int Index) const override;
    void ImageListClear(int ImageListIndex);
    void ImageListAdd(int ImageListIndex, TBitmap *ABitmap);

    // Clipboard, image file, printing and print preview of the plot. The
    // toolbar's buttons call them. PreviewChart shows the print preview
    // modally.
    // CopyToClipBoard puts the plot on the clipboard in CopyToClipBoardFormat
    // (an Enhanced Metafile described "Strip Chart", a bitmap, or a JPEG of
    // quality 100), drawn without toolbars or selections; the toolbars are
    // shown again as toolbar 0 was, also when the copy fails.
    virtual void CopyToClipBoard();
    // Asks for a file (starting in DefaultSaveImageDirectory with the filter
    // of DefaultSaveImageFormat) and writes the plot there, without
    // selections: the format follows the name's ending, "bmp", "emf", "jpg"
    // or "jpeg" and "png" in any case; a name with none of them gets the
    // chosen filter's extension. Files are written whole or not at all.
    virtual void Save();
    virtual void PrintChart();
    virtual void PreviewChart();

    // The plot as a metafile picture, owned by the plot: the same picture on
    // every call, drawn afresh each time as the plot stands.
    TPicture *GetSnapShotPicture();

    // The select mode of toolbar 0 (false without a toolbar); setting it
    // presses that toolbar's select button when its state differs.
    bool GetSelectActive() const override;
    void SetSelectActive(bool Value);

    double GetNow() const;
    void SetCustomizeLabelText(const QString &Value) { FCustomizeLabelText = Value; }

    // The configuration file (gPlotComponentConfig.cpp): "File Type = Plot
    // Config", the object counts, the data view's z-orders, every object's
    // property lines under its kind and index ("Channel0.Color = 255") and
    // the plot's own. Saved whole or not at all; loading checks the whole
    // file on a stand-in plot before it rebuilds this one (toolbars are
    // kept: section "ToolBar" + i goes to toolbar i when there is one).
    // Failures raise "Error Saving Properties - " / "Error Loading
    // Properties - " and the cause, with its line; a failed load leaves the
    // plot as it was, repainting as before.
    void SavePropertiesToFile(const QString &FileName) override;
    void LoadPropertiesFromFile(const QString &FileName) override;
    const QString &LastPropertiesFileName() const { return FLastPropertiesFileName; }
    // A plot of this one's channel class, toolbars, title label, annotation
    // defaults and logging state, with nothing else: loads try their whole
    // file on it before they touch this plot.
    std::unique_ptr<TgPlotComponent> CreateStagingPlot() const;

    // Data files (gPlotComponentData.cpp) in the form DataFileFormat names:
    // text (a "<title>(X)", "<title>(Y)" header and one line per point
    // index) or compact interval (4-byte numbers, X only in the first two
    // rows; channels whose X is not evenly spaced are refused). Loading
    // reads either form or a log file, checks it whole, then appends its
    // points to the channels. Failures raise "Error Saving Data - " /
    // "Error Loading Data - " and the cause, with its line.
    // With ClearPreviousData the points read replace every channel's (the
    // log ended first), once the whole file is read and checked; a bad file
    // leaves the data as they were.
    void SaveDataToFile(const QString &FileName);
    void LoadDataFromFile(const QString &FileName, bool ClearPreviousData = false);
    const QString &LastDataFileName() const { return FLastDataFileName; }
    // "AnnotationCount = n" and every annotation's property lines (left out
    // at their defaults). Loading replaces all annotations, checked whole
    // first. Failures raise "Error Saving Annotations - " / "Error Loading
    // Annotations - " and the cause.
    void SaveAnnotationsToFile(const QString &FileName);
    void LoadAnnotationsFromFile(const QString &FileName);

    // Logging and bulk data (gPlotComponentLog.cpp). While logging, every
    // AddDataArray row goes to LogFileName, in the text form ("(X)" and one
    // "<title>(Y)" per channel, then X and each channel's Y, "Null", "Empty"
    // or an empty field where the channel took no point) or the compact one,
    // in blocks of LogBufferSize rows. The rows wait with their values, so
    // whatever happens to the channels meanwhile the log gets what was added.
    // The compact log refuses a row that it would give back at another X
    // (TgCompactX): the points stay in the channels, the rows before it are
    // logged, and AddDataArray raises "Error Logging Data - " and why.
    void LogActivate(bool Append);
    void LogDeactivate();
    void FlushLog();
    int LogBufferCount() const { return static_cast<int>(FLogRowX.size()); }
    // One value per channel (a one-dimensional list no longer than the
    // channel count) at XValue, or a list per channel of equally many values
    // each (two dimensions) placed XValue after the channel's last X. Values
    // between 1e-301 and 1e-300 add Null points, between 1e-302 and 1e-301
    // Empty ones (one dimension only). The whole array is checked before the
    // first point is added.
    void AddDataArray(double XValue, const QVariant &Data);
    // Appends the source's points StartIndex..StopIndex with their flags.
    void TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex, int StopIndex);
    // Ends logging (writing what waits), then empties every channel.
    void ClearAllData();
    static bool IsNullValue(double Value) { return Value > 1e-301 && Value < 1e-300; }
    static bool IsEmptyValue(double Value) { return Value > 1e-302 && Value < 1e-301; }
    char GetDataFileSeparatorChar() const override { return FDataFileColumnSeparator == ipdfcsComma ? ',' : '\t'; }

    // Published settings.
    int OuterMarginLeft() const { return FOuterMarginLeft; }
    void SetOuterMarginLeft(int Value) { SetIntegerValue(Value, FOuterMarginLeft, 0); }
    int OuterMarginTop() const { return FOuterMarginTop; }
    void SetOuterMarginTop(int Value) { SetIntegerValue(Value, FOuterMarginTop, 0); }
    int OuterMarginRight() const { return FOuterMarginRight; }
    void SetOuterMarginRight(int Value) { SetIntegerValue(Value, FOuterMarginRight, 0); }
    int OuterMarginBottom() const { return FOuterMarginBottom; }
    void SetOuterMarginBottom(int Value) { SetIntegerValue(Value, FOuterMarginBottom, 0); }
    bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
    void SetBackGroundGradientEnabled(bool Value) { SetBooleanValue(Value, FBackGroundGradientEnabled, 0); }
    TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
    void SetBackGroundGradientStartColor(TColor Value) { SetColorValue(Value, FBackGroundGradientStartColor, 0); }
    TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
    void SetBackGroundGradientStopColor(TColor Value) { SetColorValue(Value, FBackGroundGradientStopColor, 0); }
    TgFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
    void SetBackGroundGradientDirection(TgFillDirection Value);
    bool HintsShow() const { return FHintsShow; }
    void SetHintsShow(bool Value) { FHintsShow = Value; }
    int HintsPause() const { return FHintsPause; }
    void SetHintsPause(int Value) { FHintsPause = Value; }
    int HintsHidePause() const { return FHintsHidePause; }
    void SetHintsHidePause(int Value) { FHintsHidePause = Value; }
    TFont *HintsFont() const override { return FHintsFont.get(); }
    void SetHintsFont(TFont *Value);
    bool ClipAnnotationsToAxes() const override { return FClipAnnotationsToAxes; }
    void SetClipAnnotationsToAxes(bool Value) { SetBooleanValue(Value, FClipAnnotationsToAxes, 0); }
    TgPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
    void SetCopyToClipBoardFormat(TgPlotExportFormat Value) { FCopyToClipBoardFormat = Value; }
    TgPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
    void SetEditorFormStyle(TgPlotFormStyle Value) { FEditorFormStyle = Value; }
    bool UserCanEditObjects() const;
    void SetUserCanEditObjects(bool Value);
    bool UserCanAddRemoveChannels() const override { return FUserCanAddRemoveChannels; }
    void SetUserCanAddRemoveChannels(bool Value) { FUserCanAddRemoveChannels = Value; }
    bool XYAxesReverse() const;
    void SetXYAxesReverse(bool Value);
    int DataViewZHorz() const;
    void SetDataViewZHorz(int Value);
    int DataViewZVert() const;
    void SetDataViewZVert(int Value);
    const QString &DefaultSaveImageDirectory() const { return FDefaultSaveImageDirectory; }
    void SetDefaultSaveImageDirectory(const QString &Value) { FDefaultSaveImageDirectory = Value; }
    const QString &DefaultPropertyDirectory() const { return FDefaultPropertyDirectory; }
    void SetDefaultPropertyDirectory(const QString &Value) { FDefaultPropertyDirectory = Value; }
    const QString &DefaultDataDirectory() const { return FDefaultDataDirectory; }
    void SetDefaultDataDirectory(const QString &Value) { FDefaultDataDirectory = Value; }
    const QString &DefaultAnnotationDirectory() const { return FDefaultAnnotationDirectory; }
    void SetDefaultAnnotationDirectory(const QString &Value) { FDefaultAnnotationDirectory = Value; }
    TgPlotImageFormatStyle DefaultSaveImageFormat() const { return FDefaultSaveImageFormat; }
    void SetDefaultSaveImageFormat(TgPlotImageFormatStyle Value) { FDefaultSaveImageFormat = Value; }
    bool PrintShowDialog() const { return FPrintShowDialog; }
    void SetPrintShowDialog(bool Value) { FPrintShowDialog = Value; }
    TPrinterOrientation PrintOrientation() const { return FPrintOrientation; }
    void SetPrintOrientation(TPrinterOrientation Value) { FPrintOrientation = Value; }
    double PrintMarginTop() const { return FPrintMarginTop; }
    void SetPrintMarginTop(double Value) { FPrintMarginTop = Value; }
    double PrintMarginLeft() const { return FPrintMarginLeft; }
    void SetPrintMarginLeft(double Value) { FPrintMarginLeft = Value; }
    double PrintMarginRight() const { return FPrintMarginRight; }
    void SetPrintMarginRight(double Value) { FPrintMarginRight = Value; }
    double PrintMarginBottom() const { return FPrintMarginBottom; }
    void SetPrintMarginBottom(double Value) { FPrintMarginBottom = Value; }
    const QString &PrintDocumentName() const { return FPrintDocumentName; }
    void SetPrintDocumentName(const QString &Value) { FPrintDocumentName = Value; }
    const QString &PrinterName() const { return FPrinterName; }
    void SetPrinterName(const QString &Value) { FPrinterName = Value; }

    // Printing. PrintChart prints what X axis 0 shows on one page, after the
    // print question when PrintShowDialog; a cancelled question prints
    // nothing and fires nothing. Failures raise "Error Printing : ...".
    // PrintPages prints X axis 0 from PrintXStart to PrintXStop, one axis
    // span per page, each scaled into the area inside the print margins,
    // with toolbars hidden and selections cleared; everything it changes on
    // the plot is restored afterwards, also when printing raises.
    void PrintPages();
    // The plot drawn, scaled, into Rect of the printer canvas.
    virtual void PrintToRect(TCanvas *Canvas, const TRect &Rect);
    // Height from the paper's aspect; the X span that gives the printed axis
    // MinutesPerMillimeter. Both use the last print's paper, or before any
    // print the printer's paper in PrintOrientation.
    void PrintSizeToFillPage();
    void PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter);
    double PrintXStart() const { return FPrintXStart; }
    void SetPrintXStart(double Value) { FPrintXStart = Value; }
    double PrintXStop() const { return FPrintXStop; }
    void SetPrintXStop(double Value) { FPrintXStop = Value; }
    // The paper of the last print (0 before any).
    double PrinterPaperWidthInches() const { return FPrinterPaperWidthInches; }
    double PrinterPaperHeightInches() const { return FPrinterPaperHeightInches; }
    double PrinterPaperWidthCentimeters() const { return FPrinterPaperWidthInches * 2.54; }
    double PrinterPaperHeightCentimeters() const { return FPrinterPaperHeightInches * 2.54; }
    int PrinterPaperWidthPixels() const { return FPrinterPaperWidthPixels; }
    int PrinterPaperHeightPixels() const { return FPrinterPaperHeightPixels; }
    const QString &LogFileName() const { return FLogFileName; }
    void SetLogFileName(const QString &Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    TgPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
    void SetDataFileColumnSeparator(TgPlotDataFileColumnSeparator Value);
    TgPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
    void SetDataFileFormat(TgPlotDataFileFormat Value);
    bool DifferentialPropertySave() const override { return FDifferentialPropertySave; }
    void SetDifferentialPropertySave(bool Value) { FDifferentialPropertySave = Value; }
    TBrushStyle AnnotationDefaultBrushStlye() const { return FAnnotationDefaultBrushStyle; }
    void SetAnnotationDefaultBrushStlye(TBrushStyle Value) { FAnnotationDefaultBrushStyle = Value; }
    TColor AnnotationDefaultBrushColor() const { return FAnnotationDefaultBrushColor; }
    void SetAnnotationDefaultBrushColor(TColor Value) { FAnnotationDefaultBrushColor = Value; }
    TPenStyle AnnotationDefaultPenStlye() const { return FAnnotationDefaultPenStyle; }
    void SetAnnotationDefaultPenStlye(TPenStyle Value) { FAnnotationDefaultPenStyle = Value; }
    TColor AnnotationDefaultPenColor() const { return FAnnotationDefaultPenColor; }
    void SetAnnotationDefaultPenColor(TColor Value) { FAnnotationDefaultPenColor = Value; }
    int AnnotationDefaultPenWidth() const { return FAnnotationDefaultPenWidth; }
    void SetAnnotationDefaultPenWidth(int Value) { FAnnotationDefaultPenWidth = Value; }
    TgPlotReferenceType AnnotationDefaultReference() const { return FAnnotationDefaultReference; }
    void SetAnnotationDefaultReference(TgPlotReferenceType Value) { FAnnotationDefaultReference = Value; }
    TgPlotReferenceIndividual AnnotationDefaultReferencePositionX() const { return FAnnotationDefaultReferenceXY[0]; }
    void SetAnnotationDefaultReferencePositionX(TgPlotReferenceIndividual V) { FAnnotationDefaultReferenceXY[0] = V; }
    TgPlotReferenceIndividual AnnotationDefaultReferencePositionY() const { return FAnnotationDefaultReferenceXY[1]; }
    void SetAnnotationDefaultReferencePositionY(TgPlotReferenceIndividual V) { FAnnotationDefaultReferenceXY[1] = V; }
    TgPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return FAnnotationDefaultReferenceXY[2]; }
    void SetAnnotationDefaultReferenceSizeX(TgPlotReferenceIndividual V) { FAnnotationDefaultReferenceXY[2] = V; }
    TgPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return FAnnotationDefaultReferenceXY[3]; }
    void SetAnnotationDefaultReferenceSizeY(TgPlotReferenceIndividual V) { FAnnotationDefaultReferenceXY[3] = V; }
    TFont *AnnotationDefaultFont() const { return FAnnotationDefaultFont.get(); }
    void SetAnnotationDefaultFont(TFont *Value);
    bool PaintingActive() const { return FPaintingActive; }
    TColor BackGroundColor() const { return TgComponent::BackGroundColor(); }
    void SetBackGroundColor(TColor Value) override { TgComponent::SetBackGroundColor(Value); }

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

    // Layout and paint.
    void PaintToCanvas(TCanvas *Canvas) override;
    // Paints into a bitmap of the control's size, which recomputes every
    // rectangle without touching the screen.
    void ReCalcLayout();
    bool TryOccupyRect(const TRect &Rect);
    void AddOccupiedRect(const TRect &Rect);
    const std::vector<TgPlotLayoutObject *> &VisibleList(int Side) const { return FVisibleLists[Side]; }
    enum { isLeft, isRight, isTop, isBottom };

    // Input state (the hint as the last mouse move left it).
    const TgHintData &Hint() const { return FHint; }
    TgPlotObject *MouseDownObject() const { return FMouseDownObject; }
    TgPlotObject *LastMouseOverObject() const { return FLastMouseOverObject; }
    TgPlotObject *LastClickedObject() const { return FLastClickedObject; }
    bool Selecting() const { return FSelecting; }
    TgPlotObject *FindObjectAt(const TgPlotMouseData &MouseData);
    void HideHint();
    void HintTimerTick(TObject *Sender);

    // IgPlotObjectHost: the relays of the objects' events.
    void DoObjectMouseDown(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseMove(TgPlotObject *Obj, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseUp(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseWheel(TgPlotObject *Obj, int WheelDelta, TShiftState Shift, int X, int Y) override;
    void DoObjectPopupMenu(TgPlotObject *Obj, bool &Cancel, int ScreenX, int ScreenY) override;
    void DoObjectGotFocus(TgPlotObject *Obj) override;
    void DoObjectLostFocus(TgPlotObject *Obj) override;
    QString TranslateText(const QString &Text) override;
    TPoint PlotClientToScreen(TPoint P) override { return ClientToScreen(P); }
    bool EditorStayOnTop() const override { return FEditorFormStyle == ipfsStayOnTop; }
    void DoAfterOpenEditor(TObject *Sender) override;
    void DoObjectClick(TgPlotObject *Obj) override;
    void DoObjectGetMouseCursor(TgPlotObject *Obj, int &MouseCursor) override;
    void DoDataPointMouseDown(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) override;
    void DoDataPointMouseMove(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) override;
    void DoDataPointMouseUp(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) override;
    void DoDataPointClick(TgPlotChannelCustom *Channel, int DataIndex) override;
    void DoDataPointMoved(TgPlotChannelCustom *Channel, int DataIndex, double OldX, double OldY, double NewX,
                          double NewY) override;
    void DoDataPointCustomizeHint(TgPlotChannelCustom *Channel, int DataIndex, QString &Text) override;
    void DoAnnotationCoordinatesChange(TgPlotAnnotation *Annotation) override;
    void DoAnnotationMoveUser(TgPlotAnnotation *Annotation) override;
    void DoAnnotationResizeUser(TgPlotAnnotation *Annotation) override;
    void DoAnnotationCoordinatesChangeFinished(TgPlotAnnotation *Annotation) override;
    void DoDataCursorChange(TgPlotDataCursor *Cursor) override;
    void DoBeforeDataCursorUpdate(TgPlotDataCursor *Cursor) override;
    void DoToolBarButtonClick(TgPlotToolBar *ToolBar, int ButtonType);
    void DoBeforeToolBarButtonClick(TgPlotToolBar *ToolBar, int ButtonType, bool &Cancel);
    void DoToolBarCustomizeHint(TgPlotToolBar *ToolBar, QString &Text);

    // What axes, data views and channels ask of the plot (IgPlotOwner).
    bool PlotLoading() const override { return IsLoading(); }
    // TrackingEnabled of every X axis, then every Y axis.
    void DisableAllTracking() override;
    void EnableAllTracking();
    void RelayAxisMouseLeft(TgPlotAxis *Axis, const TgPlotMouseData &MouseData) override;
    void RelayAxisMouseMove(TgPlotAxis *Axis, const TgPlotMouseData &MouseData) override;
    void RelayAxisMouseUp(TgPlotAxis *Axis, const TgPlotMouseData &MouseData) override;
    void RelayAxisMouseWheel(TgPlotAxis *Axis, int WheelDelta, TShiftState Shift, int X, int Y) override;
    void RelayAxisKeyDown(TgPlotAxis *Axis, Word &Key, TShiftState Shift) override;
    void WithoutAxisRelays(const std::function<void()> &Call) override;
    void DoAxisMinChange(TgPlotAxis *Axis, double OldValue, double NewValue) override;
    void DoAxisSpanChange(TgPlotAxis *Axis, double OldValue, double NewValue) override;
    void DoAxisMinSpanChange(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin, double NewSpan) override;
    void DoAxisMinSpanChangeFinished(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) override;
    void DoAxisCustomizeLabel(TgPlotAxis *Axis, double Value, QString &Label) override;
    void DoAxisCustomizeHint(TgPlotAxis *Axis, QString &Text) override;
    void DoBeforeZoomBox(TgPlotDataView *DataView, TRect &ZoomRect, bool &Cancel) override;

    // Events (see the event types).
#define TQ62_KIND_EVENTS(Kind)                                                                                     \
    TgPlotObjectMouseEvent OnMouseDown##Kind, OnMouseUp##Kind;                                                     \
    TgPlotObjectMouseMoveEvent OnMouseMove##Kind;                                                                  \
    TgPlotObjectEvent OnClick##Kind, OnDblClick##Kind;                                                             \
    TgPlotObjectMouseWheelEvent OnMouseWheel##Kind;                                                                \
    TgPlotObjectEvent OnAdd##Kind, OnRemove##Kind;                                                                 \
    TgPlotObjectGetMouseCursorEvent OnGetMouseCursor##Kind;                                                        \
    TgPlotPopupMenuEvent OnPopupMenu##Kind;
    TQ62_KIND_EVENTS(Channel)
    TQ62_KIND_EVENTS(XAxis)
    TQ62_KIND_EVENTS(YAxis)
    TQ62_KIND_EVENTS(DataCursor)
    TQ62_KIND_EVENTS(DataView)
    TQ62_KIND_EVENTS(Legend)
    TQ62_KIND_EVENTS(Limit)
    TQ62_KIND_EVENTS(Annotation)
#undef TQ62_KIND_EVENTS
    TgPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor, OnGotFocusDataView,
        OnGotFocusLegend, OnGotFocusAnnotation;
    TgPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
        OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;
    TgPlotObjectEvent OnAddTable, OnRemoveTable;
    TgPlotObjectGetMouseCursorEvent OnGetMouseCursorTable;
    TgPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TgPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TgPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TgPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange, OnYAxisMinChange, OnYAxisSpanChange,
        OnLimitLine1PositionChange, OnLimitLine2PositionChange;
    TgPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnXAxisMinSpanChangeFinished, OnYAxisMinSpanChange,
        OnYAxisMinSpanChangeFinished;
    TgPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TgPlotObjectCustomizeTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint, OnDataCursorCustomizeHint,
        OnToolBarCustomizeHint;
    TgPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TgPlotToolBarButtonEvent OnToolBarButtonClick;
    TgPlotToolBarButtonBeforeEvent OnBeforeToolBarButtonClick;
    TgPlotDataPointMovedEvent OnDataPointMoved;
    TgPlotObjectEvent OnDataCursorChange, OnBeforeDataCursorUpdate, OnAnnotationCoordinatesChange,
        OnAnnotationMoveUser, OnAnnotationResizeUser, OnAnnotationCoordinatesChangeFinished;
    TgPlotZoomBoxEvent OnBeforeZoomBox;
    TgPlotPrintPageEvent OnBeforePrintPage;
    TNotifyEvent OnBeforePrint, OnAfterPrint, OnBeforeLoadProperties, OnAfterLoadProperties, OnAfterSaveProperties,
        OnAfterLoadData, OnAfterSaveData, OnAfterOpenEditor, OnAfterCloseEditor, OnAfterPaint;

protected:
    void DefineProperties(TFiler *Filer) override;
    void Loaded() override;
    void IsWantedKey(Word &Key, int &Result) override;
    void gKeyDown(Word &Key, TShiftState Shift) override;
    void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseMove(TShiftState Shift, int X, int Y) override;
    void gDoubleClick() override;
    bool gMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos) override;
    // The mouse went elsewhere during a press: the hint goes and the object
    // under the mouse is told the mouse left it. A drag under way ends with
    // the release over the plot or the next move without buttons.
    void CaptureChanged(TControl *NewCapture) override;

    virtual void DoObjectAdded(TObject *Sender);
    virtual void DoObjectRemoved(TObject *Sender);
    virtual void DoObjectChange(TObject *Sender);

    // Layout pass: every layout object and data view 0 get their rectangles.
    void ArrangeLayoutObjects(TCanvas *Canvas);

private:
    // The kind and the index in its typed manager (by membership, so that
    // it also works for an object being destroyed); false for other objects.
    bool KindOf(const TObject *Object, TgPlotEventKind &Kind, int &Index) const;
    bool IndexOfKind(const TObject *Object, TgPlotEventKind Wanted, int &Index) const;
    void FireAnnotationEvent(TgPlotAnnotation *Annotation, const TgPlotObjectEvent &Event);
    void AddImageToList(int Index, TBitmap *Bitmap);
    TCustomImageList *CheckedImageList(int Index) const;
    void DrawOuterObjects(TCanvas *Canvas);
    void DrawHint(TCanvas *Canvas);
    void ForgetObject(TObject *Object);
    TgPlotMouseData OrientMouseData(int X, int Y, TMouseButton Button) const;
    // The paper in inches: the last print's, else the printer's in
    // PrintOrientation.
    void PaperSizeInches(double &Width, double &Height) const;
    // Replay on the other axes of Axis's kind, unless a relay runs already.
    void RelayToAxesOfKind(TgPlotAxis *Axis, const std::function<void(TgPlotAxis *)> &Replay);

    // The plot drawn into the metafile shared by clipboard copies and snapshots.
    TMetafile *PaintSharedMetafile(const QString &Description);
    void SaveImageAs(const QString &FileName, int FilterIndex);

    std::unique_ptr<TgPlotMasterManager> FMasterManager;
    std::unique_ptr<TMetafile> FMetafile;
    std::unique_ptr<TPicture> FSnapShotPicture;
    std::unique_ptr<TPopupMenu> FPopupMenu;
    std::unique_ptr<TFont> FHintsFont;
    std::unique_ptr<TFont> FAnnotationDefaultFont;
    std::array<std::unique_ptr<TCustomImageList>, 3> FImageLists;
    std::vector<TgPlotRectObject> FOccupiedRects;
    std::array<std::vector<TgPlotLayoutObject *>, 4> FVisibleLists;

    int FOuterMarginLeft = 5, FOuterMarginTop = 5, FOuterMarginRight = 5, FOuterMarginBottom = 5;
    bool FBackGroundGradientEnabled = false;
    TColor FBackGroundGradientStartColor = 0xFF0000;
    TColor FBackGroundGradientStopColor = 0;
    TgFillDirection FBackGroundGradientDirection = ifdTopBottom;
    bool FHintsShow = true;
    int FHintsPause = 500;
    int FHintsHidePause = 2500;
    bool FClipAnnotationsToAxes = true;
    TgPlotExportFormat FCopyToClipBoardFormat = ipefMetaFile;
    TgPlotFormStyle FEditorFormStyle = ipfsModal;
    bool FUserCanAddRemoveChannels = false;
    QString FDefaultSaveImageDirectory, FDefaultPropertyDirectory, FDefaultDataDirectory, FDefaultAnnotationDirectory;
    TgPlotImageFormatStyle FDefaultSaveImageFormat = ipifBitmap;
    bool FPrintShowDialog = true;
    TPrinterOrientation FPrintOrientation = poLandscape;
    double FPrintMarginTop = 1, FPrintMarginLeft = 1, FPrintMarginRight = 1, FPrintMarginBottom = 1;
    QString FPrintDocumentName = QStringLiteral("Untitled");
    QString FPrinterName;
    double FPrintXStart = 0, FPrintXStop = 0;
    double FPrinterPaperWidthInches = 0, FPrinterPaperHeightInches = 0;
    int FPrinterPaperWidthPixels = 0, FPrinterPaperHeightPixels = 0;
    QString FLogFileName;
    int FLogBufferSize = 0;
    bool FLoggingActive = false;
    TgPlotDataFileColumnSeparator FDataFileColumnSeparator = ipdfcsTab;
    TgPlotDataFileFormat FDataFileFormat = ipdffText;
    bool FDifferentialPropertySave = false;
    TBrushStyle FAnnotationDefaultBrushStyle = bsSolid;
    TColor FAnnotationDefaultBrushColor = 0xFFFFFF;
    TPenStyle FAnnotationDefaultPenStyle = psSolid;
    TColor FAnnotationDefaultPenColor = 0xFFFFFF;
    int FAnnotationDefaultPenWidth = 1;
    TgPlotReferenceType FAnnotationDefaultReference = iprtDataView;
    std::array<TgPlotReferenceIndividual, 4> FAnnotationDefaultReferenceXY{ipriAuto, ipriAuto, ipriAuto, ipriAuto};
    bool FPaintingActive = false;
    bool FReadingStream = false;
    QString FLastPropertiesFileName, FLastDataFileName;

    // Log rows waiting to be written: their X and, FLogChannels per row, the
    // point each channel took (Kind 0 for none).
    struct TgLogCell {
        double X, Y;
        std::uint8_t Kind;
    };
    int FLogChannels = 0;
    std::vector<double> FLogRowX;
    std::vector<TgLogCell> FLogCells;
    std::int64_t FLogRowsWritten = 0;
    std::vector<TgCompactX> FLogX; // per channel, in the compact form
    // Empty when the row is buffered, else why the log refuses it.
    QString BufferLogRow(double X, int Width);

    // Interaction state.
    bool FMouseDownFlag = false;
    bool FSelecting = false;
    bool FDblClickActive = false;
    TShiftState FShiftState;
    TgPlotObject *FMouseDownObject = nullptr;
    TgPlotObject *FLastMouseOverObject = nullptr;
    TgPlotObject *FLastClickedObject = nullptr;
    TMouseButton FLastClickedButton = mbLeft;
    TgHintData FHint;
    TPoint FLastHintPoint;
    TgPlotObject *FLastHintObject = nullptr;
    TRect FHintShowRect;
    bool FHintShowing = false;
    QString FCustomizeLabelText;
    bool FAxisRelayActive = false;
};
