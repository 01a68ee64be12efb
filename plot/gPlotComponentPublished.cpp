// The plot's published settings, in declaration order with their defaults.
#include "Font.h"
#include "gPlotComponent.h"

namespace {

QStringList Names(std::initializer_list<const char *> List)
{
    QStringList names;
    for (const char *n : List)
        names << QString::fromLatin1(n);
    return names;
}

} // namespace

const TPublishedClass *TgPlotComponent::StaticPublished()
{
    using P = TgPlotComponent;
    const QStringList reference = Names({"ipriDataView", "ipriChannel", "ipriAuto"});
    static const TPublishedClass info =
        TPublishedBuilder<P>(TgComponent::StaticPublished())
            .Integer("BackGroundColor", &P::BackGroundColor, &P::SetBackGroundColor, 0)
            .Enumeration("BorderStyle", &P::BorderStyle, &P::SetBorderStyle, Names({"ibsNone", "ibsRaised", "ibsLowered"}),
                         ibsLowered)
            .Integer("OuterMarginLeft", &P::OuterMarginLeft, &P::SetOuterMarginLeft, 5)
            .Integer("OuterMarginTop", &P::OuterMarginTop, &P::SetOuterMarginTop, 5)
            .Integer("OuterMarginRight", &P::OuterMarginRight, &P::SetOuterMarginRight, 5)
            .Integer("OuterMarginBottom", &P::OuterMarginBottom, &P::SetOuterMarginBottom, 5)
            .Bool("BackGroundGradientEnabled", &P::BackGroundGradientEnabled, &P::SetBackGroundGradientEnabled, false)
            .Integer("BackGroundGradientStartColor", &P::BackGroundGradientStartColor,
                     &P::SetBackGroundGradientStartColor, 0xFF0000)
            .Integer("BackGroundGradientStopColor", &P::BackGroundGradientStopColor,
                     &P::SetBackGroundGradientStopColor, 0)
            .Enumeration("BackGroundGradientDirection", &P::BackGroundGradientDirection,
                         &P::SetBackGroundGradientDirection,
                         Names({"ifdTopBottom", "ifdBottomTop", "ifdLeftRight", "ifdRightLeft", "ifdTopLeftBottomRight",
                                "ifdBottomRightTopLeft", "ifdBottomLeftTopRight", "ifdTopRightBottomLeft",
                                "ifdRectangleOut", "ifdRectangleIn", "ifdCircleOut", "ifdCircleIn"}),
                         ifdTopBottom)
            .Bool("HintsShow", &P::HintsShow, &P::SetHintsShow, true)
            .Integer("HintsPause", &P::HintsPause, &P::SetHintsPause, 500)
            .Integer("HintsHidePause", &P::HintsHidePause, &P::SetHintsHidePause, 2500)
            .Object("HintsFont", &P::HintsFont)
            .Bool("ClipAnnotationsToAxes", &P::ClipAnnotationsToAxes, &P::SetClipAnnotationsToAxes, true)
            .Enumeration("CopyToClipBoardFormat", &P::CopyToClipBoardFormat, &P::SetCopyToClipBoardFormat,
                         Names({"ipefMetaFile", "ipefBitmap", "ipefJPEG"}), ipefMetaFile)
            .Enumeration("EditorFormStyle", &P::EditorFormStyle, &P::SetEditorFormStyle,
                         Names({"ipfsModal", "ipfsStayOnTop"}), ipfsModal)
            .Bool("UserCanEditObjects", &P::UserCanEditObjects, &P::SetUserCanEditObjects, true)
            .Bool("UserCanAddRemoveChannels", &P::UserCanAddRemoveChannels, &P::SetUserCanAddRemoveChannels, false)
            .Bool("XYAxesReverse", &P::XYAxesReverse, &P::SetXYAxesReverse, false)
            .String("TitleText", &P::TitleText, &P::SetTitleText)
            .Bool("TitleVisible", &P::TitleVisible, &P::SetTitleVisible)
            .Float("TitleMargin", &P::TitleMargin, &P::SetTitleMargin)
            .Object("TitleFont", &P::TitleFont)
            .String("DefaultSaveImageDirectory", &P::DefaultSaveImageDirectory, &P::SetDefaultSaveImageDirectory)
            .String("DefaultPropertyDirectory", &P::DefaultPropertyDirectory, &P::SetDefaultPropertyDirectory)
            .String("DefaultDataDirectory", &P::DefaultDataDirectory, &P::SetDefaultDataDirectory)
            .String("DefaultAnnotationDirectory", &P::DefaultAnnotationDirectory, &P::SetDefaultAnnotationDirectory)
            .Enumeration("DefaultSaveImageFormat", &P::DefaultSaveImageFormat, &P::SetDefaultSaveImageFormat,
                         Names({"ipifBitmap", "ipifEnhancedMetaFile", "ipifJPEG", "ipifPNG"}), ipifBitmap)
            .Bool("PrintShowDialog", &P::PrintShowDialog, &P::SetPrintShowDialog, true)
            .Enumeration("PrintOrientation", &P::PrintOrientation, &P::SetPrintOrientation,
                         Names({"poPortrait", "poLandscape"}), poLandscape)
            .Float("PrintMarginTop", &P::PrintMarginTop, &P::SetPrintMarginTop)
            .Float("PrintMarginLeft", &P::PrintMarginLeft, &P::SetPrintMarginLeft)
            .Float("PrintMarginRight", &P::PrintMarginRight, &P::SetPrintMarginRight)
            .Float("PrintMarginBottom", &P::PrintMarginBottom, &P::SetPrintMarginBottom)
            .String("PrintDocumentName", &P::PrintDocumentName, &P::SetPrintDocumentName)
            .String("PrinterName", &P::PrinterName, &P::SetPrinterName)
            .String("LogFileName", &P::LogFileName, &P::SetLogFileName)
            .Integer("LogBufferSize", &P::LogBufferSize, &P::SetLogBufferSize, 0)
            .Enumeration("DataFileColumnSeparator", &P::DataFileColumnSeparator, &P::SetDataFileColumnSeparator,
                         Names({"ipdfcsTab", "ipdfcsComma"}), ipdfcsTab)
            .Enumeration("DataFileFormat", &P::DataFileFormat, &P::SetDataFileFormat,
                         Names({"ipdffText", "ipdffCompactInterval"}), ipdffText)
            .Bool("DifferentialPropertySave", &P::DifferentialPropertySave, &P::SetDifferentialPropertySave, false)
            .Enumeration("AnnotationDefaultBrushStlye", &P::AnnotationDefaultBrushStlye,
                         &P::SetAnnotationDefaultBrushStlye,
                         BrushStyleNames(),
                         bsSolid)
            .Integer("AnnotationDefaultBrushColor", &P::AnnotationDefaultBrushColor, &P::SetAnnotationDefaultBrushColor,
                     0xFFFFFF)
            .Enumeration("AnnotationDefaultPenStlye", &P::AnnotationDefaultPenStlye, &P::SetAnnotationDefaultPenStlye,
                         PenStyleNames(),
                         psSolid)
            .Integer("AnnotationDefaultPenColor", &P::AnnotationDefaultPenColor, &P::SetAnnotationDefaultPenColor,
                     0xFFFFFF)
            .Integer("AnnotationDefaultPenWidth", &P::AnnotationDefaultPenWidth, &P::SetAnnotationDefaultPenWidth, 1)
            .Enumeration("AnnotationDefaultReference", &P::AnnotationDefaultReference, &P::SetAnnotationDefaultReference,
                         Names({"iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel"}), iprtDataView)
            .Enumeration("AnnotationDefaultReferencePositionX", &P::AnnotationDefaultReferencePositionX,
                         &P::SetAnnotationDefaultReferencePositionX, reference, ipriAuto)
            .Enumeration("AnnotationDefaultReferencePositionY", &P::AnnotationDefaultReferencePositionY,
                         &P::SetAnnotationDefaultReferencePositionY, reference, ipriAuto)
            .Enumeration("AnnotationDefaultReferenceSizeX", &P::AnnotationDefaultReferenceSizeX,
                         &P::SetAnnotationDefaultReferenceSizeX, reference, ipriAuto)
            .Enumeration("AnnotationDefaultReferenceSizeY", &P::AnnotationDefaultReferenceSizeY,
                         &P::SetAnnotationDefaultReferenceSizeY, reference, ipriAuto)
            .Object("AnnotationDefaultFont", &P::AnnotationDefaultFont)
            .Build();
    return &info;
}

const TPublishedClass *TgPlotComponent::PublishedClass() const
{
    return StaticPublished();
}
