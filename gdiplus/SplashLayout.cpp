#include "SplashLayout.h"

#include "SmSplashScreen.h"
#include "SplashPicture.h"

namespace {

void SetFont(TFont *f, const char *name, int heightPixels, TColor color, TFontStyles style = {})
{
    f->SetName(QString::fromLatin1(name));
    f->SetHeight(-heightPixels);
    f->SetColor(color);
    f->SetStyle(style);
}

void Heading(TSplashHeadingText *t, const char *text, int heightPixels, TFontStyles style, int x, int y)
{
    t->SetText(QString::fromUtf8(text));
    SetFont(t->Font(), "Tahoma", heightPixels, clWhite, style);
    t->SetColorStart(clWhite);
    t->SetLocation(ilCustom);
    t->SetPosX(x);
    t->SetPosY(y);
}

} // namespace

void LoadProgramSplashLayout(TSmSplashScreen *Splash)
{
    Splash->SetDisplayStyle(dsNormal);
    Splash->SetTimeOut(100);

    TGpFill *fill = Splash->Fill();
    // Decoded when the program was built: no reader is made, nothing decoded.
    fill->Picture()->LoadDecoded(SplashPicturePng(), SplashPictureImage(), ImageFormatPNG);
    fill->SetPicturePosition(ppBottomCenter);
    fill->SetOpacity(249);
    fill->SetColor(clNone);
    fill->SetColorTo(clNone);
    fill->SetColorMirror(clNone);
    fill->SetColorMirrorTo(clNone);
    fill->SetBorderColor(clNone);

    TBasicProgramInfo *info = Splash->BasicProgramInfo();
    Heading(info->ProgramName(), "TQ-62 DSP Processor Editor", 29, {fsBold}, 70, 130);
    Heading(info->ProgramVersion(), "Ver 1.0", 19, {}, 490, 140);
    SetFont(info->CopyRightFont(), "MS Sans Serif", 11, RGB(193, 98, 2));
    info->SetCopyRightLocation(ilCustom);
    info->SetCopyRightPosX(340);
    info->SetCopyRightPosY(340);

    Splash->ListItems()->Add()->SetHTMLText(
        QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
    TSplashListItemsSettings *list = Splash->ListItemsSettings();
    list->Rect()->SetLeft(180);
    list->Rect()->SetTop(210);
    list->Rect()->SetWidth(500);
    list->Rect()->SetHeight(250);
    SetFont(list->HTMLFont(), "Tahoma", 11, clWindowText);

    TGpSplashProgress *bar = Splash->ProgressBar();
    bar->SetLeft(160);
    bar->SetTop(220);
    bar->SetHeight(12);
    bar->SetStep(10);
    bar->SetMaximum(100);
    bar->SetValueFormat(QStringLiteral("%.0f%%"));
    bar->SetVisible(false);
    bar->BackGroundFill()->SetColor(clNone);
    bar->BackGroundFill()->SetColorTo(clNone);
    bar->BackGroundFill()->SetBorderColor(clGray);
    bar->ProgressFill()->SetColor(clWhite);
    bar->ProgressFill()->SetColorTo(RGB(153, 204, 255));
    SetFont(bar->Font(), "Tahoma", 11, clWindowText);
    SetFont(bar->ProgressFont(), "Tahoma", 11, clWindowText);
}
