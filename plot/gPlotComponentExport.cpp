// The plot on the clipboard, as a snapshot picture and in image files.
#include "Bitmap.h"
#include "Clipboard.h"
#include "FileDialogs.h"
#include "Form.h"
#include "JPEGImage.h"
#include "Metafile.h"
#include "Picture.h"
#include "gPlotComponent.h"
#include "gPlotMasterManager.h"
#include "gPlotToolBar.h"
#include "gUtilities.h"

#include <QFileInfo>
#include <memory>

namespace {

// The save question's filters, in the order of TgPlotImageFormatStyle.
const char *const kImageFilter =
    "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png";

// The image format a file name's ending names, ignoring case; -1 for none.
int FormatOfName(const QString &FileName)
{
    const QString ending = QFileInfo(FileName).suffix().toLower();
    if (ending == QLatin1String("bmp"))
        return ipifBitmap;
    if (ending == QLatin1String("emf"))
        return ipifEnhancedMetaFile;
    if (ending == QLatin1String("jpg") || ending == QLatin1String("jpeg"))
        return ipifJPEG;
    if (ending == QLatin1String("png"))
        return ipifPNG;
    return -1;
}

} // namespace

TMetafile *TgPlotComponent::PaintSharedMetafile(const QString &Description)
{
    if (!FMetafile)
        FMetafile = std::make_unique<TMetafile>();
    PaintToMetafile(FMetafile.get(), Description);
    return FMetafile.get();
}

void TgPlotComponent::CopyToClipBoard()
{
    BeginUpdate();
    const bool visible = ToolBarCount() > 0 && GetToolBar(0)->Visible();
    const auto showToolBars = [this](bool Value) {
        for (int i = 0; i < ToolBarCount(); ++i)
            GetToolBar(i)->SetVisible(Value);
    };
    try {
        showToolBars(false);
        Master()->DeSelectAll();
        switch (FCopyToClipBoardFormat) {
        case ipefMetaFile:
            Clipboard()->Assign(PaintSharedMetafile(QStringLiteral("Strip Chart")));
            break;
        case ipefBitmap: {
            TBitmap bitmap(Width(), Height());
            PaintToCanvas(bitmap.Canvas());
            Clipboard()->Assign(&bitmap);
            break;
        }
        case ipefJPEG: {
            std::unique_ptr<TJPEGImage> jpeg(CreateJPEGImage(100, false));
            if (jpeg && !jpeg->Data().isEmpty())
                Clipboard()->Assign(jpeg.get());
            break;
        }
        }
    } catch (...) {
        showToolBars(visible);
        EndUpdate();
        throw;
    }
    showToolBars(visible);
    EndUpdate();
}

TPicture *TgPlotComponent::GetSnapShotPicture()
{
    if (!FSnapShotPicture)
        FSnapShotPicture = std::make_unique<TPicture>();
    TMetafile *metafile = PaintSharedMetafile(Name().isEmpty() ? QStringLiteral("Plot") : Name());
    FSnapShotPicture->SetGraphic(metafile);
    return FSnapShotPicture.get();
}

void TgPlotComponent::Save()
{
    TSaveDialog dialog;
    dialog.InitialDir = FDefaultSaveImageDirectory;
    QStringList filter = QString::fromLatin1(kImageFilter).split(u'|');
    for (int i = 0; i < filter.size(); i += 2) // the descriptions are shown
        filter[i] = TranslateText(filter[i]);
    dialog.Filter = filter.join(u'|');
    dialog.FileName = QStringLiteral("Untitled");
    dialog.FilterIndex = int(FDefaultSaveImageFormat) + 1;
    if (!dialog.Execute(dynamic_cast<TCustomForm *>(FindOwnerForm(this))))
        return;
    Master()->DeSelectAll();
    SaveImageAs(dialog.FileName, dialog.FilterIndex);
}

void TgPlotComponent::SaveImageAs(const QString &FileName, int FilterIndex)
{
    QString name = FileName;
    int format = FormatOfName(name);
    if (format < 0) {
        format = FilterIndex >= 1 && FilterIndex <= 4 ? FilterIndex - 1 : int(FDefaultSaveImageFormat);
        static const char *const extensions[] = {".bmp", ".emf", ".jpg", ".png"};
        name += QLatin1String(extensions[format]);
    }
    switch (format) {
    case ipifBitmap: SaveImageToBitmap(name); break;
    case ipifEnhancedMetaFile: SaveImageToMetaFile(name); break;
    case ipifJPEG: SaveImageToJPEG(name, 100, true); break;
    case ipifPNG: SaveImageToPNG(name, 9); break;
    }
}
