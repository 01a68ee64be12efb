#pragma once
#include "Color.h"
#include "Types.h"
#include "WinControl.h"

#include <QString>
#include <QStringList>

class QPainter;
class QTextDocument;
class QTextEdit;
class TRichEdit;
class TStream;

// The paragraphs of a rich edit as lines; loading and saving go through RTF
// unless the edit is in plain-text mode.
class TRichEditStrings {
public:
    explicit TRichEditStrings(TRichEdit *Owner) : owner_(Owner) {}
    int Count() const;
    QString Strings(int Index) const; // "" out of range
    int Add(const QString &S);
    void Clear();
    QString Text() const;
    // RTF data (starting "{\rtf") is read as rich text unless PlainText;
    // anything else as text in code page 1252. A damaged RTF document keeps
    // what was read before the damage.
    void LoadFromStream(TStream *Stream);
    // RTF unless PlainText, then the text in code page 1252 with CR LF.
    void SaveToStream(TStream *Stream) const;

private:
    TRichEdit *owner_;
};

// A rich-text edit over a Qt text document. The editor uses it hidden, as the
// formatter of rich-text labels: FormatRange lays the document out at a
// device's resolution in a rectangle given in twips (1440 per inch) and
// draws only the lines that fit whole.
class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent *AOwner);
    ~TRichEdit() override;

    TRichEditStrings *Lines() { return &lines_; }
    QTextDocument *Document() const;
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool Value) { plainText_ = Value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value) { wordWrap_ = Value; }
    // The background of formatted output (EM_SETBKGNDCOLOR), unless the
    // edit is transparent.
    TColor BackgroundColor() const { return background_; }
    void SetBackgroundColor(TColor Value) { background_ = Value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value) { transparent_ = Value; }
    // Typing attributes back to the default ones.
    void ResetSelectionAttributes();

    // Formats the document from character FirstChar into Twips at DpiX x DpiY
    // pixels per inch (0 counts as 96) on Painter (none: measure only);
    // returns the first character that did not fit. Lines that do not fit
    // whole are not drawn.
    int FormatRange(QPainter *Painter, int DpiX, int DpiY, const TRect &Twips, int FirstChar = 0);
    // Prints the document on the program's printer (Printer()) as a job
    // named Title.
    void Print(const QString &Title);

    TNotifyEvent OnResizeRequest;

private:
    QTextEdit *edit_;
    TRichEditStrings lines_;
    bool plainText_ = false;
    bool wordWrap_ = true;
    TColor background_ = clWindow;
    bool transparent_ = false;
};
