#pragma once
// TRTFLabel: a window-less label that shows a rich-text document held in
// RichText. It has no renderer of its own: each paint loads the document
// into a hidden rich edit that formats it straight onto the label's canvas,
// only the lines that fit whole.
//
// RichText holds the RTF bytes one per 16-bit character (the low byte); the
// high bytes carry nothing and are ignored when read, written as 0. The
// rich edit formats without a window, so it is never given one: the parent
// checks stay only where the label works through its parent.

#include "Label.h"
#include "RichEdit.h"

#include <memory>

class QTextDocument;

class TRTFLabel : public TCustomLabel {
public:
    explicit TRTFLabel(TComponent *AOwner);
    ~TRTFLabel() override;

    const QString &RichText() const { return richText_; }
    void SetRichText(const QString &Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    QString Version() const;
    void SetVersion(const QString &) {}
    static unsigned GetVersionNr() { return 0x01030100; }

    // The hidden rich edit, emptied (when the label has a parent), for the
    // caller to fill and publish with ShowRTF or EndUpdate; none without a
    // parent.
    TRichEdit *RTF();
    // Publishes the rich edit's content as RichText and repaints.
    void ShowRTF();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    void CopyFromRichEdit(TRichEdit *RichEdit);
    void CopyToRichEdit(TRichEdit *RichEdit);
    // Renders RichText on ACanvas in the label's client rectangle.
    void PaintTo(TCanvas *ACanvas);
    void Print(const QString &Caption);

    // Keep the parsed document between paints while RichText stays the same
    // (a paint then only formats and draws); on by default, since parsing a
    // viewer's document at every paint takes longer than a scroll step may.
    bool CacheDocument() const { return cacheDocument_; }
    void SetCacheDocument(bool Value);

    // The twips rectangle for a pixel rectangle R at a resolution (0 counts
    // as 96): a 1-pixel margin at the left and top.
    static TRect TwipsRect(const TRect &R, int DpiX, int DpiY);
    // The twips rectangle of the last render.
    TRect LastTwipsRect() const { return lastTwips_; }

    void Paint() override;

protected:
    void Loaded() override;

private:
    void Render(TCanvas *Canvas, const TRect &R);
    void LoadInto(TRichEdit *Edit);
    QByteArray Bytes() const;

    QString richText_;
    bool wordWrap_ = false;
    std::unique_ptr<TRichEdit> richEdit_;
    int updateCount_ = 0;
    bool painting_ = false;
    bool cacheDocument_ = true;
    bool cacheValid_ = false;
    TRect lastTwips_;
};
