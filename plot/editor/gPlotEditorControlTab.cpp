// The Control tab of the plot editor: the plot's own settings, its title
// (the first label), its files and its log.
#include "Button.h"
#include "TypInfo.h"
#include "gComponentEditorEdit.h"
#include "gComponentEditorListBox.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorSavePicker.h"
#include "gPlotComponent.h"
#include "gPlotEditorFilters.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"
#include "gPlotLabel.h"
#include "gPlotLabelManager.h"
#include "gPlotMasterManager.h"

namespace {

const QStringList kReferenceIndividual{"DataView", "Channel", "Auto"};

// The sub-tabs.
const QString General = "ControlGeneralTabSheet", Title = "ControlTitleTabSheet",
              Background = "ControlBackgroundTabSheet", Print = "ControlPrintTabSheet",
              Hints = "ControlHintsTabSheet", Files = "ControlFileTabSheet",
              Annotation = "ControlAnnotationTabSheet";

} // namespace

TgEditorTabBody ControlTabBody()
{
    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame("ControlPageControl", "GeneralTabSheet"),
        SheetFrame(General, "General", "ControlPageControl"),
        SheetFrame(Title, "Title", "ControlPageControl"),
        SheetFrame(Background, "Background", "ControlPageControl"),
        SheetFrame(Print, "Print", "ControlPageControl"),
        SheetFrame(Hints, "Hints", "ControlPageControl"),
        SheetFrame(Files, "File I/O", "ControlPageControl"),
        SheetFrame(Annotation, "Annotation Defaults", "ControlPageControl"),
        GroupFrame("ControlOuterMarginGroupBox", "Outer Margin", General, 290, 4, 150, 100),
        GroupFrame("ControlGradientGroupBox", "Gradient", Background, 8, 38, 300, 130),
        GroupFrame("ControlPrintMarginGroupBox", "Margin", Print, 8, 38, 200, 100),
        GroupFrame("ControlPropertiesGroupBox", "Properties", Files, 8, 2, 180, 56),
        GroupFrame("ControlDataGroupBox", "Data", Files, 8, 62, 180, 56),
        GroupFrame("ControlAnnotationsGroupBox", "Annotations", Files, 8, 122, 180, 56),
        GroupFrame("ControlLogGroupBox", "Log", Files, 200, 2, 330, 116),
        GroupFrame("AnnotationDefaultBrushGroupBox", "Brush", Annotation, 8, 38, 200, 78),
        GroupFrame("AnnotationDefaultPenGroupBox", "Pen", Annotation, 220, 4, 200, 106),
    };
    const QString margin = "ControlOuterMarginGroupBox", gradient = "ControlGradientGroupBox",
                  printMargin = "ControlPrintMarginGroupBox", log = "ControlLogGroupBox",
                  brush = "AnnotationDefaultBrushGroupBox", pen = "AnnotationDefaultPenGroupBox";
    body.Rows = {
        CheckRow("AutoFrameRateCheckBox", "Auto Frame Rate", "AutoFrameRate").In(General, 8, 34, 0, 0),
        EditRow("UpdateFrameRateEdit", "Update Frame Rate", "UpdateFrameRate", ievkInteger)
            .In(General, 8, 8, 140, 45)
            .WithUpDown("UpdateFrameRateUpDown", 0, 100),
        CheckRow("ClipAnnotationsToAxesCheckBox", "Clip Annotations To Axes", "ClipAnnotationsToAxes")
            .In(General, 8, 58, 0, 0),
        RadioRow("BorderStyleRadioGroup", "Border Style", "BorderStyle", {"None", "Raised", "Lowered"})
            .In(General, 448, 4, 0, 104, 80),
        ComboIndexRow("CopyToClipBoardFormatComboBox", "Copy To ClipBoard Format", "CopyToClipBoardFormat",
                      {"Meta File", "Bitmap", "JPEG"})
            .In(General, 8, 88, 140, 110),
        ComboIndexRow("FileColumnSeparatorComboBox", "File Column Separator", "DataFileColumnSeparator",
                      {"Tab", "Comma"})
            .In(General, 8, 116, 140, 110),
        ColorRow("BackGroundColorPicker", "Color", "BackGroundColor").In(Background, 8, 8, 50, 0),
        ComboIndexRow("BackGroundGradientDirectionComboBox", "Direction", "BackGroundGradientDirection",
                      {"Top/Bottom", "Bottom/Top", "Left/Right", "Right/Left", "Top Left/Bottom Right",
                       "Bottom Right/Top Left", "Bottom Left/Top Right", "Top Right/Bottom Left", "Rectangle Out",
                       "Rectangle In", "Circle Out", "Circle In"})
            .In(gradient, 10, 96, 80, 170),
        CheckRow("BackGroundGradientEnabledCheckBox", "Enabled", "BackGroundGradientEnabled")
            .In(gradient, 10, 18, 0, 0),
        ColorRow("BackGroundGradientStartColorPicker", "Start Color", "BackGroundGradientStartColor")
            .In(gradient, 10, 42, 80, 0),
        ColorRow("BackGroundGradientStopColorPicker", "Stop Color", "BackGroundGradientStopColor")
            .In(gradient, 10, 69, 80, 0),
        EditRow("OuterMarginLeftEdit", "", "OuterMarginLeft", ievkInteger)
            .In(margin, 8, 44, 0, 30)
            .WithUpDown("OuterMarginLeftUpDown", 0, 0),
        EditRow("OuterMarginTopEdit", "", "OuterMarginTop", ievkInteger)
            .In(margin, 52, 18, 0, 30)
            .WithUpDown("OuterMarginTopUpDown", 0, 0),
        EditRow("OuterMarginRightEdit", "", "OuterMarginRight", ievkInteger)
            .In(margin, 96, 44, 0, 30)
            .WithUpDown("OuterMarginRightUpDown", 0, 0),
        EditRow("OuterMarginBottomEdit", "", "OuterMarginBottom", ievkInteger)
            .In(margin, 52, 70, 0, 30)
            .WithUpDown("OuterMarginBottomUpDown", 0, 0),
        CheckRow("TitleVisibleCheckBox", "Visible", "TitleVisible").In(Title, 8, 34, 60, 0),
        EditRow("TitleMarginEdit", "Margin", "TitleMargin", ievkFloat).In(Title, 8, 60, 60, 60),
        EditRow("TitleTextEdit", "Text", "TitleText", ievkText).In(Title, 8, 8, 60, 300),
        FontRow("TitleFontPicker", "Font", "TitleFont").In(Title, 8, 88, 60, 0),
        EditRow("ControlLogFileNameEdit", "File Name", "LogFileName", ievkText).In(log, 10, 20, 80, 210),
        EditRow("ControlLogBufferSizeEdit", "Buffer Size", "LogBufferSize", ievkInteger)
            .In(log, 10, 48, 80, 60)
            .WithUpDown("ControlLogBufferSizeUpDown", 0, 0),
        CheckRow("HintsShowCheckBox", "Show", "HintsShow").In(Hints, 8, 8, 0, 0),
        EditRow("HintsPauseEdit", "Pause", "HintsPause", ievkInteger)
            .In(Hints, 8, 34, 80, 60)
            .WithUpDown("HintsPauseUpDown", 0, 0),
        EditRow("HintsHidePauseEdit", "Hide Pause", "HintsHidePause", ievkInteger)
            .In(Hints, 8, 62, 80, 60)
            .WithUpDown("HintsHidePauseUpDown", 0, 0),
        FontRow("HintsFontPicker", "Font", "HintsFont").In(Hints, 8, 92, 80, 0),
        ColorRow("AnnotationDefaultPenColorPicker", "Color", "AnnotationDefaultPenColor").In(pen, 10, 46, 50, 0),
        ComboIndexRow("AnnotationDefaultPenStyleComboBox", "Style", "AnnotationDefaultPenStlye", PenStyleItems())
            .In(pen, 10, 18, 50, 130),
        EditRow("AnnotationDefaultPenWidthEdit", "Width", "AnnotationDefaultPenWidth", ievkInteger)
            .In(pen, 10, 74, 50, 45)
            .WithUpDown("gUpDown1", 0, 100),
        ColorRow("AnnotationDefaultBrushColorPicker", "Color", "AnnotationDefaultBrushColor")
            .In(brush, 10, 18, 50, 0),
        ComboIndexRow("AnnotationDefaultBrushStyleComboBox", "Style", "AnnotationDefaultBrushStlye", BrushStyleItems())
            .In(brush, 10, 46, 50, 130),
        ComboIndexRow("AnnotationDefaultReferenceComboBox", "Reference", "AnnotationDefaultReference",
                      {"DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView "})
            .In(Annotation, 436, 8, 140, 160),
        ComboIndexRow("AnnotationDefaultReferencePositionXComboBox", "Reference Position-X",
                      "AnnotationDefaultReferencePositionX", kReferenceIndividual)
            .In(Annotation, 436, 36, 140, 160),
        ComboIndexRow("AnnotationDefaultReferencePositionYComboBox", "Reference Position-Y",
                      "AnnotationDefaultReferencePositionY", kReferenceIndividual)
            .In(Annotation, 436, 64, 140, 160),
        ComboIndexRow("AnnotationDefaultReferenceSizeXComboBox", "Reference Size-X", "AnnotationDefaultReferenceSizeX",
                      kReferenceIndividual)
            .In(Annotation, 436, 92, 140, 160),
        ComboIndexRow("AnnotationDefaultReferenceSizeYComboBox", "Reference Size-Y", "AnnotationDefaultReferenceSizeY",
                      kReferenceIndividual)
            .In(Annotation, 436, 120, 140, 160),
        FontRow("AnnotationDefaultFontPicker", "Font", "AnnotationDefaultFont").In(Annotation, 8, 6, 0, 0),
        CheckRow("PrintShowDialogCheckBox", "Show Dialog", "PrintShowDialog").In(Print, 224, 110, 0, 0),
        RadioRow("PrintOrientationRadioGroup", "Orientation", "PrintOrientation", {"Portrait", "Landscape"})
            .In(Print, 224, 38, 0, 120, 62),
        EditRow("PrintMarginLeftEdit", "", "PrintMarginLeft", ievkFloat).In(printMargin, 8, 44, 0, 50),
        EditRow("PrintMarginTopEdit", "", "PrintMarginTop", ievkFloat).In(printMargin, 74, 18, 0, 50),
        EditRow("PrintMarginRightEdit", "", "PrintMarginRight", ievkFloat).In(printMargin, 140, 44, 0, 50),
        EditRow("PrintMarginBottomEdit", "", "PrintMarginBottom", ievkFloat).In(printMargin, 74, 70, 0, 50),
        EditRow("PrintDocumentNameEdit", "Document Name", "PrintDocumentName", ievkText).In(Print, 8, 8, 100, 240),
        // The file commands, placed only.
        OpenPickerRow("ControlPropertiesOpenPicker", "Load")
            .In("ControlPropertiesGroupBox", 10, 20, 0, 0)
            .File(kEditorConfigFilter, "cfg", true),
        SavePickerRow("ControlPropertiesSavePicker", "Save")
            .In("ControlPropertiesGroupBox", 94, 20, 0, 0)
            .File(kEditorConfigFilter, "cfg"),
        SavePickerRow("ControlDataSavePicker", "Save")
            .In("ControlDataGroupBox", 94, 20, 0, 0)
            .File(kEditorDataFilter, "dat"),
        OpenPickerRow("ControlDataOpenPicker", "Load")
            .In("ControlDataGroupBox", 10, 20, 0, 0)
            .File(kEditorDataOrLogFilter, "dat"),
        SavePickerRow("ControlAnnotationSavePicker", "Save")
            .In("ControlAnnotationsGroupBox", 94, 20, 0, 0)
            .File(kEditorAnnotationFilter, "dat"),
        OpenPickerRow("ControlAnnotationOpenPicker", "Load")
            .In("ControlAnnotationsGroupBox", 10, 20, 0, 0)
            .File(kEditorAnnotationFilter, "dat"),
        SavePickerRow("ControlLogFileNamePicker", "...").In(log, 302, 20, 0, 21, 21).File(kEditorLogFilter, "log"),
        ButtonRow("ControlLogActivateButton", "Activate").In(log, 90, 80, 0, 0),
        ButtonRow("ControlLogDeactivateButton", "Deactivate").In(log, 175, 80, 0, 0),
    };
    return body;
}

std::vector<TgEditorRow> TitleRows()
{
    return {
        BindRow("TitleVisibleCheckBox", ierCheckBox, "Visible"),
        BindRow("TitleTextEdit", ierEdit, "Caption"),
        BindRow("TitleMarginEdit", ierEdit, "MarginBottom"),
        BindRow("TitleFontPicker", ierFont, "Font"),
    };
}

// --- the form's side ----------------------------------------------------------

void TgPlotEditorForm::BuildControlTab()
{
    FControlTab = ControlTabBody();
    FTitleRows = TitleRows();
    BuildEditorTab(this, FControlTab);
    const auto fill = [this](TgEditorNameList List, TComponent *Combo) { FillNameCombo(List, Combo); };
    BindEditorRows(this, FControlTab.Rows, [this](TObject *s) { GeneralChanged(s); }, fill);
    // The title group goes to the first label instead.
    BindEditorRows(this, FTitleRows, [this](TObject *s) { TitleChange(s); }, fill);
    for (const char *name : {"ControlPropertiesOpenPicker", "ControlPropertiesSavePicker", "ControlDataOpenPicker",
                             "ControlDataSavePicker", "ControlAnnotationOpenPicker", "ControlAnnotationSavePicker",
                             "ControlLogFileNamePicker"}) {
        const QString picker = QString::fromLatin1(name);
        const TNotifyEvent chosen = [this, picker](TObject *) { ControlFileChosen(picker); };
        if (auto *open = dynamic_cast<TgComponentEditorOpenPicker *>(FindComponent(picker)))
            open->OnChange = chosen;
        else
            static_cast<TgComponentEditorSavePicker *>(FindComponent(picker))->OnChange = chosen;
    }
    static_cast<TButton *>(FindComponent(QStringLiteral("ControlLogActivateButton")))->OnClick = [this](TObject *) {
        if (FPlotComponent)
            FPlotComponent->LogActivate(false);
        FMaster->BasicPropertyChanged();
    };
    static_cast<TButton *>(FindComponent(QStringLiteral("ControlLogDeactivateButton")))->OnClick = [this](TObject *) {
        if (FPlotComponent)
            FPlotComponent->LogDeactivate();
        FMaster->BasicPropertyChanged();
    };
}

void TgPlotEditorForm::ControlFileChosen(const QString &Picker)
{
    if (!FPlotComponent)
        return;
    TgPlotComponent *plot = FPlotComponent;
    const auto open = [this](const char *Name) {
        return static_cast<TgComponentEditorOpenPicker *>(FindComponent(QString::fromLatin1(Name)))->FileName;
    };
    const auto save = [this](const char *Name) {
        return static_cast<TgComponentEditorSavePicker *>(FindComponent(QString::fromLatin1(Name)))->FileName;
    };
    if (Picker == QLatin1String("ControlPropertiesOpenPicker")) {
        plot->LoadPropertiesFromFile(open("ControlPropertiesOpenPicker"));
        UpdateAll();
    } else if (Picker == QLatin1String("ControlPropertiesSavePicker")) {
        plot->SavePropertiesToFile(save("ControlPropertiesSavePicker"));
    } else if (Picker == QLatin1String("ControlDataOpenPicker")) {
        // The file is read and checked whole before the data it replaces go.
        plot->LoadDataFromFile(open("ControlDataOpenPicker"), true);
    } else if (Picker == QLatin1String("ControlDataSavePicker")) {
        plot->SaveDataToFile(save("ControlDataSavePicker"));
    } else if (Picker == QLatin1String("ControlAnnotationOpenPicker")) {
        plot->LoadAnnotationsFromFile(open("ControlAnnotationOpenPicker"));
    } else if (Picker == QLatin1String("ControlAnnotationSavePicker")) {
        plot->SaveAnnotationsToFile(save("ControlAnnotationSavePicker"));
    } else if (Picker == QLatin1String("ControlLogFileNamePicker")) {
        static_cast<TgComponentEditorEdit *>(FindComponent(QStringLiteral("ControlLogFileNameEdit")))
            ->SetAsString(save("ControlLogFileNamePicker"));
        FMaster->BasicPropertyChanged();
    }
}

void TgPlotEditorForm::GeneralChanged(TObject *)
{
    FMaster->BasicPropertyChanged();
    static_cast<TgComponentEditorSavePicker *>(FindComponent(QStringLiteral("ControlLogFileNamePicker")))->FileName =
        static_cast<TgComponentEditorEdit *>(FindComponent(QStringLiteral("ControlLogFileNameEdit")))->AsString();
}

TObject *TgPlotEditorForm::TitleLabel() const
{
    const TgPlotLabelManager *labels = FMaster->LabelManager();
    return labels && labels->Count() > 0 ? labels->GetItem(0) : nullptr;
}

void TgPlotEditorForm::TitleChange(TObject *)
{
    TObject *title = TitleLabel();
    if (!title)
        return;
    ApplyEditorRows(this, FTitleRows, title);
    UpdateLabelEdit();
    ListBox(iekLabel)->Invalidate();
}

void TgPlotEditorForm::RefreshTitleControls()
{
    if (TObject *title = TitleLabel())
        FillEditorRows(this, FTitleRows, title);
}

void TgPlotEditorForm::LoadControlPage()
{
    if (!FPlotComponent)
        return;
    FillEditorRows(this, FControlTab.Rows, FPlotComponent);
    const std::pair<const char *, const QString &> folders[] = {
        {"ControlPropertiesSavePicker", FPlotComponent->DefaultPropertyDirectory()},
        {"ControlPropertiesOpenPicker", FPlotComponent->DefaultPropertyDirectory()},
        {"ControlDataSavePicker", FPlotComponent->DefaultDataDirectory()},
        {"ControlDataOpenPicker", FPlotComponent->DefaultDataDirectory()},
        {"ControlAnnotationSavePicker", FPlotComponent->DefaultAnnotationDirectory()},
        {"ControlAnnotationOpenPicker", FPlotComponent->DefaultAnnotationDirectory()},
    };
    for (const auto &[name, folder] : folders) {
        TComponent *picker = FindComponent(QString::fromLatin1(name));
        if (auto *open = dynamic_cast<TgComponentEditorOpenPicker *>(picker))
            open->DefaultDir = folder;
        else
            static_cast<TgComponentEditorSavePicker *>(picker)->DefaultDir = folder;
    }
    SetLogState();
}

void TgPlotEditorForm::StoreControlPage()
{
    if (!FPlotComponent)
        return;
    try {
        ApplyEditorRows(this, FControlTab.Rows, FPlotComponent);
    } catch (...) {
        // A value the plot refused: the tab shows the plot as it is.
        LoadControlPage();
        throw;
    }
    SetLogState();
}

void TgPlotEditorForm::SetLogState()
{
    ShowLogState(QStringLiteral("Control"), FPlotComponent && FPlotComponent->LoggingActive());
}

void TgPlotEditorForm::ShowLogState(const QString &Prefix, bool Logging)
{
    for (const char *name : {"LogActivateButton", "LogFileNameEdit", "LogFileNamePicker"})
        static_cast<TControl *>(FindComponent(Prefix + QLatin1String(name)))->SetEnabled(!Logging);
    static_cast<TControl *>(FindComponent(Prefix + QLatin1String("LogDeactivateButton")))->SetEnabled(Logging);
}
