#include "RtfReader.h"

#include "CodePage.h"
#include "FontSubstitution.h"

#include <QColor>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace {

enum class Dest { Text, FontTable, ColorTable, Skip };

struct CharState {
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false;
    int fore = 0, back = 0; // colour table indices; 0 is the automatic colour
    int uc = 1;             // characters that stand in for each \u
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
};

struct GroupState {
    CharState chr;
    ParaState para;
    Dest dest = Dest::Text;
};

struct FontEntry {
    QString name;
    int charset = 1;
};

// Destinations whose text is never shown.
const char *const kSkippedDestinations[] = {
    "author", "buptim", "comment", "creatim", "doccomm", "footer", "footerf", "footerl", "footerr",
    "footnote", "ftncn", "ftnsep", "ftnsepc", "header", "headerf", "headerl", "headerr", "info",
    "keywords", "operator", "pict", "printim", "private", "revtim", "rxe", "stylesheet", "subject",
    "tc", "title", "txe", "xe", "fldinst", "object", "listtable", "listoverridetable", "revtbl",
    "rsidtbl", "generator", "themedata", "colorschememapping", "datastore", "latentstyles",
    "xmlnstbl", "pgdsctbl", "filetbl", "mmathPr", "shppict", "nonshppict", "bkmkstart", "bkmkend",
};

const int kMaxParameter = 1 << 30;

// Indents and spacing reach the layout as pixel margins, and the layout does
// not end on margins far beyond any page: they are kept to a page's size.
int Indent(int twips)
{
    return std::clamp(twips, -RtfReader::kRtfMaxPageTwips, RtfReader::kRtfMaxPageTwips);
}

int Spacing(int twips)
{
    return std::clamp(twips, 0, RtfReader::kRtfMaxPageTwips);
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Reader {
public:
    Reader(const QByteArray &data, QTextDocument *doc) : d_(data), cursor_(doc) {}
    void Run();

private:
    void ControlWord(const QByteArray &word, bool hasParam, int param);
    void ControlSymbol(char c);
    void TextByte(char c);
    void FontNameByte(char c);
    void EndFontName();
    void AppendChar(QChar c);
    void Flush();
    void EndParagraph();
    void ApplyBlockFormat(const ParaState &p);
    int CodePage() const;
    QTextCharFormat Format() const;
    bool Skipping() const { return state_.dest == Dest::Skip; }

    const QByteArray &d_;
    int pos_ = 0;
    QTextCursor cursor_;
    GroupState state_;
    std::vector<GroupState> stack_;
    int excessDepth_ = 0;
    int docCodePage_ = 1252;
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    int fontEntry_ = -1;
    QByteArray fontName_;   // name bytes waiting for the code page
    QString fontNameText_;  // the name read so far
    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;
    ParaState lastPara_; // paragraph settings of the last text inserted
    bool paraText_ = false; // text inserted since the last paragraph end
    ParaState closedPara_;  // paragraph settings when the document's group closed
    bool closed_ = false;
    int skipChars_ = 0;  // characters still to skip after a \u
    QByteArray bytes_;  // text bytes waiting for their code page
    QString text_;      // decoded text waiting for the cursor
};

int Reader::CodePage() const
{
    const int font = state_.chr.font < 0 ? defaultFont_ : state_.chr.font;
    const auto it = fonts_.find(font);
    if (it != fonts_.end()) {
        const int cp = CodePageOfCharset(it->charset);
        if (cp)
            return cp;
    }
    return docCodePage_;
}

QTextCharFormat Reader::Format() const
{
    QTextCharFormat f;
    const int font = state_.chr.font < 0 ? defaultFont_ : state_.chr.font;
    const auto it = fonts_.find(font);
    if (it != fonts_.end() && !it->name.isEmpty())
        f.setFontFamilies({it->name});
    f.setFontPointSize(state_.chr.halfPoints / 2.0);
    f.setFontWeight(state_.chr.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(state_.chr.italic);
    f.setFontUnderline(state_.chr.underline);
    f.setFontStrikeOut(state_.chr.strike);
    if (state_.chr.fore > 0 && state_.chr.fore < int(colours_.size()))
        f.setForeground(colours_[size_t(state_.chr.fore)]);
    if (state_.chr.back > 0 && state_.chr.back < int(colours_.size()))
        f.setBackground(colours_[size_t(state_.chr.back)]);
    return f;
}

void Reader::Flush()
{
    if (!bytes_.isEmpty()) {
        text_ += MultiByteToWide(CodePage(), bytes_);
        bytes_.clear();
    }
    if (!text_.isEmpty()) {
        cursor_.insertText(text_, Format());
        text_.clear();
        lastPara_ = state_.para;
        paraText_ = true;
    }
}

void Reader::AppendChar(QChar c)
{
    if (!bytes_.isEmpty()) {
        text_ += MultiByteToWide(CodePage(), bytes_);
        bytes_.clear();
    }
    text_ += c;
}

void Reader::ApplyBlockFormat(const ParaState &p)
{
    QTextBlockFormat b;
    b.setAlignment(p.align);
    b.setLeftMargin(p.left / 15.0);
    b.setRightMargin(p.right / 15.0);
    b.setTextIndent(p.first / 15.0);
    b.setTopMargin(p.before / 15.0);
    b.setBottomMargin(p.after / 15.0);
    cursor_.setBlockFormat(b);
}

void Reader::EndParagraph()
{
    Flush();
    ApplyBlockFormat(state_.para);
    cursor_.insertBlock(QTextBlockFormat(), Format());
    paraText_ = false;
}

void Reader::EndFontName()
{
    fontNameText_ += MultiByteToWide(docCodePage_, fontName_);
    if (fontEntry_ >= 0)
        fonts_[fontEntry_].name = fontNameText_.trimmed();
    fontName_.clear();
    fontNameText_.clear();
}

void Reader::FontNameByte(char c)
{
    if (fontName_.size() + fontNameText_.size() < 256)
        fontName_ += c;
}

void Reader::TextByte(char c)
{
    switch (state_.dest) {
    case Dest::Skip:
        return;
    case Dest::FontTable:
        if (c == ';')
            EndFontName();
        else
            FontNameByte(c);
        return;
    case Dest::ColorTable:
        if (c == ';') {
            if (red_ < 0 && green_ < 0 && blue_ < 0)
                colours_.push_back(QColor()); // the automatic colour
            else
                colours_.push_back(QColor(std::clamp(red_, 0, 255), std::clamp(green_, 0, 255),
                                          std::clamp(blue_, 0, 255)));
            red_ = green_ = blue_ = -1;
        }
        return;
    case Dest::Text:
        bytes_ += c;
        return;
    }
}

void Reader::ControlSymbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        if (!Skipping())
            TextByte(c);
        break;
    case '~': if (state_.dest == Dest::Text) AppendChar(QChar(0x00A0)); break;
    case '_': if (state_.dest == Dest::Text) AppendChar(QChar(0x2011)); break;
    case '*': state_.dest = Dest::Skip; break;
    case '\n':
    case '\r':
        if (state_.dest == Dest::Text)
            EndParagraph();
        break;
    default: break; // \- optional hyphen, \: and the rest: nothing shown
    }
}

void Reader::ControlWord(const QByteArray &w, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    if (state_.dest == Dest::FontTable) {
        if (w == "f") {
            fontEntry_ = param;
            fontName_.clear();
            fontNameText_.clear();
        } else if (w == "fcharset" && fontEntry_ >= 0) {
            fonts_[fontEntry_].charset = param;
        } else if (w == "u" && fontNameText_.size() < 256) {
            fontNameText_ += MultiByteToWide(docCodePage_, fontName_);
            fontName_.clear();
            fontNameText_ += QChar(char16_t(param < 0 ? param + 65536 : param));
            skipChars_ = state_.chr.uc;
        }
        return;
    }
    if (state_.dest == Dest::ColorTable) {
        if (w == "red")
            red_ = param;
        else if (w == "green")
            green_ = param;
        else if (w == "blue")
            blue_ = param;
        return;
    }
    if (w == "fonttbl") {
        Flush();
        state_.dest = Dest::FontTable;
        return;
    }
    if (w == "colortbl") {
        Flush();
        state_.dest = Dest::ColorTable;
        colours_.clear();
        return;
    }
    for (const char *skipped : kSkippedDestinations) {
        if (w == skipped) {
            Flush();
            state_.dest = Dest::Skip;
            return;
        }
    }
    if (Skipping())
        return;
    if (w == "ansicpg") {
        docCodePage_ = param;
        return;
    }
    if (w == "deff") {
        defaultFont_ = param;
        return;
    }
    if (w == "u") {
        AppendChar(QChar(char16_t(param < 0 ? param + 65536 : param)));
        skipChars_ = state_.chr.uc;
        return;
    }
    if (w == "uc") {
        state_.chr.uc = std::clamp(param, 0, 10);
        return;
    }
    if (w == "tab") { AppendChar(QLatin1Char('\t')); return; }
    if (w == "line") { AppendChar(QChar(0x2028)); return; }
    if (w == "emdash") { AppendChar(QChar(0x2014)); return; }
    if (w == "endash") { AppendChar(QChar(0x2013)); return; }
    if (w == "bullet") { AppendChar(QChar(0x2022)); return; }
    if (w == "lquote") { AppendChar(QChar(0x2018)); return; }
    if (w == "rquote") { AppendChar(QChar(0x2019)); return; }
    if (w == "ldblquote") { AppendChar(QChar(0x201C)); return; }
    if (w == "rdblquote") { AppendChar(QChar(0x201D)); return; }
    if (w == "par") {
        EndParagraph();
        return;
    }
    Flush();
    CharState &c = state_.chr;
    ParaState &p = state_.para;
    if (w == "b") c.bold = on;
    else if (w == "i") c.italic = on;
    else if (w == "ul") c.underline = on;
    else if (w == "ulnone") c.underline = false;
    else if (w == "strike") c.strike = on;
    else if (w == "fs") c.halfPoints = std::clamp(hasParam ? param : 24, 2, 2 * RtfReader::kRtfMaxFontPoints);
    else if (w == "f") c.font = param;
    else if (w == "cf") c.fore = param;
    else if (w == "cb" || w == "highlight") c.back = param;
    else if (w == "plain") {
        const int uc = c.uc;
        c = CharState();
        c.uc = uc;
    } else if (w == "pard") p = ParaState();
    else if (w == "ql") p.align = Qt::AlignLeft;
    else if (w == "qc") p.align = Qt::AlignHCenter;
    else if (w == "qr") p.align = Qt::AlignRight;
    else if (w == "qj") p.align = Qt::AlignJustify;
    else if (w == "li") p.left = Indent(param);
    else if (w == "ri") p.right = Indent(param);
    else if (w == "fi") p.first = Indent(param);
    else if (w == "sb") p.before = Spacing(param);
    else if (w == "sa") p.after = Spacing(param);
    // Any other word: not part of what is shown.
}

void Reader::Run()
{
    const int n = d_.size();
    while (pos_ < n) {
        const char c = d_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            skipChars_ = 0;
            Flush();
            if (c == '{') {
                if (int(stack_.size()) < RtfReader::kRtfMaxDepth)
                    stack_.push_back(state_);
                else
                    ++excessDepth_;
            } else if (excessDepth_ > 0) {
                --excessDepth_;
            } else if (!stack_.empty()) {
                if (state_.dest == Dest::FontTable && (!fontName_.isEmpty() || !fontNameText_.isEmpty()))
                    EndFontName();
                if (stack_.size() == 1) { // the document's own group
                    closedPara_ = state_.para;
                    closed_ = true;
                }
                state_ = stack_.back();
                stack_.pop_back();
            }
            continue;
        }
        if (c == '\\') {
            ++pos_;
            if (pos_ >= n)
                break;
            const char k = d_[pos_];
            if (IsLetter(k)) {
                QByteArray word;
                while (pos_ < n && IsLetter(d_[pos_])) {
                    if (word.size() < 32)
                        word += d_[pos_];
                    ++pos_;
                }
                bool negative = false, hasParam = false;
                long long param = 0;
                if (pos_ < n && d_[pos_] == '-' && pos_ + 1 < n && IsDigit(d_[pos_ + 1])) {
                    negative = true;
                    ++pos_;
                }
                while (pos_ < n && IsDigit(d_[pos_])) {
                    hasParam = true;
                    param = std::min<long long>(param * 10 + (d_[pos_] - '0'), kMaxParameter);
                    ++pos_;
                }
                if (pos_ < n && d_[pos_] == ' ')
                    ++pos_;
                const int value = int(negative ? -param : param);
                if (word == "bin") {
                    // Binary data: skipped whole, never past the end.
                    pos_ += int(std::min<long long>(std::max(0, value), n - pos_));
                    if (skipChars_ > 0)
                        --skipChars_;
                    continue;
                }
                if (skipChars_ > 0) {
                    --skipChars_;
                    continue;
                }
                ControlWord(word, hasParam, value);
                continue;
            }
            ++pos_;
            if (k == '\'') {
                int v = 0, digits = 0;
                while (digits < 2 && pos_ < n && HexValue(d_[pos_]) >= 0) {
                    v = v * 16 + HexValue(d_[pos_]);
                    ++pos_;
                    ++digits;
                }
                if (skipChars_ > 0) {
                    --skipChars_;
                    continue;
                }
                // In a font name a written byte is name text, even a ";".
                if (digits > 0 && state_.dest == Dest::FontTable)
                    FontNameByte(char(v));
                else if (digits > 0)
                    TextByte(char(v));
                continue;
            }
            if (skipChars_ > 0) {
                --skipChars_;
                continue;
            }
            ControlSymbol(k);
            continue;
        }
        ++pos_;
        if (c == '\r' || c == '\n')
            continue;
        if (skipChars_ > 0) {
            --skipChars_;
            continue;
        }
        TextByte(c);
    }
    Flush();
    // The last paragraph has no \par: it keeps the settings its text had
    // (the closing braces have undone them by now); an empty one those in
    // force where the document ended.
    if (paraText_)
        ApplyBlockFormat(lastPara_);
    else
        ApplyBlockFormat(closed_ && stack_.empty() ? closedPara_ : state_.para);
}

} // namespace

bool RtfReader::Read(const QByteArray &Rtf, QTextDocument *Document)
{
    Document->clear();
    if (!Rtf.startsWith("{\\rtf"))
        return false;
    // The document names Windows faces ("Tahoma", "Symbol"): their metric
    // twins must be in the font database before Qt resolves the names.
    AddWindowsFontTwins();
    Reader reader(Rtf, Document);
    reader.Run();
    return true;
}
