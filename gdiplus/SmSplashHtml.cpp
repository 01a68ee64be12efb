#include "SmSplashHtml.h"

#include "Font.h"
#include "GpPictureContainer.h"
#include "ImageList.h"

#include <QBuffer>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <utility>

namespace {

// "&amp;" decodes to this private character until a run is shown, so that the
// ampersand it stands for never starts another reference ("&amp;lt;" shows
// "&lt;").
const QChar kAmpersandMark(0xE000);

// The references decoded once, before layout. "&nbsp;", "&lt;" and "&gt;"
// are decoded later, inside each text run, so that they never start a tag.
const std::pair<const char *, char16_t> kReferences[] = {
    {"&amp;", 0xE000},  {"&quot;", u'"'},   {"&sect;", 0x00A7}, {"&permil;", 0x2030},
    {"&reg;", 0x00AE},  {"&copy;", 0x00A9}, {"&para;", 0x00B6}, {"&trade;", 0x2122},
    {"&euro;", 0x20AC},
};

struct NamedColour {
    const char *name;
    TColor color;
};
const NamedColour kColourNames[] = {
    {"clred", RGB(255, 0, 0)},      {"clblack", clBlack},
    {"clblue", RGB(0, 0, 255)},     {"clgreen", RGB(0, 128, 0)},
    {"claqua", RGB(0, 255, 255)},   {"clyellow", RGB(255, 255, 0)},
    {"clfuchsia", RGB(255, 0, 255)}, {"clwhite", clWhite},
    {"cllime", RGB(0, 255, 0)},     {"clsilver", RGB(192, 192, 192)},
    {"clgray", RGB(128, 128, 128)}, {"clolive", RGB(128, 128, 0)},
    {"clnavy", RGB(0, 0, 128)},     {"clpurple", RGB(128, 0, 128)},
    {"clteal", RGB(0, 128, 128)},   {"clmaroon", RGB(128, 0, 0)},
    {"clbackground", clBackground}, {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption}, {"clmenu", clMenu},
    {"clwindow", clWindow},         {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},     {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText}, {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder}, {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},   {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},       {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},     {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText}, {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow}, {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},     {"clinfobk", clInfoBk},
};

enum class Align { Left, Center, Right };

const int kMaxRunLength = 256;

// Everything the tags change; copied at the start of each line so that the
// drawing pass replays the line from the same state as the measuring pass.
struct TagState {
    QString fontName;
    int fontPoints = 8;
    TFontStyles style;
    TColor color = clBlack;
    TColor background = clNone;
    TColor highlightSavedColor = clBlack;
    TColor highlightSavedBackground = clNone;
    bool inLink = false;
    int linkIndex = -1;
    QString linkTarget;
    bool sub = false, sup = false, shadow = false, hidden = false, errorMark = false;
    int listLevel = 0;
    Align align = Align::Left;
    int indent = 0;
    int xOffset = 0;
    int linkCounter = 0;
    int imageCounter = 0;
};

// What a pass over one line found.
struct LineMetrics {
    int width = 0;
    int height = 0;
    int subExtra = 0;
    int supExtra = 0;
    int imageOffset = 0;
    bool textHit = false;
    bool imageHit = false;
};

struct RunSize {
    int width = 0;
    int height = 0;
};

// Digits at the start of s, saturating at Limit; what follows is ignored.
int LeadingNumber(const QString &s, int Limit)
{
    long long n = 0;
    for (QChar c : s) {
        if (!c.isDigit() || c.unicode() > 0x7F)
            break;
        n = n * 10 + (c.unicode() - '0');
        if (n > Limit)
            return Limit;
    }
    return int(n);
}

// The text between the first pair of double quotes after Name in the
// upper-cased tag (taken from Source, the tag as written, at the same place).
QString AttributeValue(const QString &Upper, const QString &Source, const QString &Name, bool *Found = nullptr)
{
    const int at = Upper.indexOf(Name);
    if (Found)
        *Found = at >= 0;
    if (at < 0)
        return QString();
    const int open = Source.indexOf(QLatin1Char('"'), at + Name.size());
    if (open < 0)
        return QString();
    const int close = Source.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return QString();
    return Source.mid(open + 1, close - open - 1);
}

TColor ColourValue(const QString &Value)
{
    if (Value.isEmpty())
        return clNone;
    if (Value.startsWith(QLatin1Char('#')))
        return HtmlHexToColor(Value.toUpper());
    return HtmlColorNameToColor(Value.toLower());
}

int HexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return 0;
}

int HexPair(const QString &v, int at)
{
    if (at + 1 >= v.size())
        return 0;
    return HexDigit(v[at]) * 16 + HexDigit(v[at + 1]);
}

// "&nbsp;", "&lt;" and "&gt;" in lower case, and the decoded ampersands.
QString DecodeRun(QString run)
{
    run.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    run.replace(QLatin1String("&lt;"), QLatin1String("<"));
    run.replace(QLatin1String("&gt;"), QLatin1String(">"));
    run.replace(kAmpersandMark, QLatin1Char('&'));
    return run;
}

// The next place of one character in a text, remembered between searches:
// the passes walk the text forward (the drawing pass replays a line from its
// start), so each character is scanned about once and layout stays linear in
// the length of the text.
class NextChar {
public:
    explicit NextChar(QChar Ch) : ch_(Ch) {}
    // The first place at or after From, -1 when there is none.
    int Find(const QString &Text, int From)
    {
        // Known so far: no ch_ in [from_, at_), or from from_ on when at_ is -1.
        if (known_ && (at_ < 0 || From <= at_)) {
            if (From < from_) {
                const qsizetype hit = QStringView(Text).sliced(From, from_ - From).indexOf(ch_);
                if (hit >= 0)
                    at_ = From + int(hit);
                from_ = From;
            }
            return at_;
        }
        known_ = true;
        from_ = From;
        at_ = int(Text.indexOf(ch_, From));
        return at_;
    }

private:
    QChar ch_;
    bool known_ = false;
    int from_ = 0;
    int at_ = -1;
};

class HtmlRenderer {
public:
    HtmlRenderer(TGPGraphics *g, TFont *base, const TRect &rect, const THtmlDrawOptions &o,
                 THtmlDrawResult &r)
        : g_(g), base_(base), rect_(rect), o_(o), r_(r)
    {
    }

    bool Run(QString text);

private:
    static QString FontKey(const TagState &s);
    int TextHeightGh(const TagState &s);
    RunSize MeasureRun(const TagState &s, const QString &run);
    void ApplyFont(const TagState &s, TFont &f) const;
    // One pass over the line starting at text[from]. Measuring (draw false,
    // placed false) stops at the line's end and returns the characters
    // consumed; the second pass replays exactly those characters at the
    // line's place (lineLeft, lineTop, lineBottom), drawing unless HitOnly.
    int Pass(TagState &s, const QString &text, int from, int end, bool placed, int lineLeft,
             int lineTop, int lineBottom, LineMetrics &m);
    // One tag at text[at] (through '>'); returns characters consumed or 0 when
    // the line ends before it. lineEnd is set when the tag ends the line.
    int Tag(TagState &s, const QString &text, int at, int end, bool placed, bool draw, int &x,
            int lineLeft, int lineTop, int lineBottom, LineMetrics &m, bool &lineEnd, bool placedAny,
            bool &listItemSeen);
    bool Image(TagState &s, const QString &upper, const QString &tag, bool placed, bool draw, int &x,
               int lineLeft, int lineTop, int avail, LineMetrics &m, bool placedAny);
    void Bullet(const TagState &s, const QString &upper, const QString &tag, int &x, int lineTop);
    void DrawRun(const TagState &s, const QString &run, int x, int lineTop, int runWidth, int lineBottom,
                 const LineMetrics &m, bool continueUnderline);

    TGPGraphics *g_;
    TFont *base_;
    TRect rect_;
    const THtmlDrawOptions &o_;
    THtmlDrawResult &r_;
    TFont work_;
    QHash<QString, int> ghHeights_;
    QHash<QString, RunSize> runSizes_;
    int linkStartX_ = 0;
    bool hoverPending_ = false;
    NextChar nextTag_{QLatin1Char('<')};
    NextChar nextBlank_{QLatin1Char(' ')};
};

void HtmlRenderer::ApplyFont(const TagState &s, TFont &f) const
{
    f.SetName(s.fontName);
    f.SetSize(s.fontPoints);
    f.SetStyle(s.style);
    f.SetColor(s.color);
}

QString HtmlRenderer::FontKey(const TagState &s)
{
    return s.fontName + QLatin1Char('|') + QString::number(s.fontPoints) + QLatin1Char('|') +
           QString::number(s.style.Bits());
}

int HtmlRenderer::TextHeightGh(const TagState &s)
{
    // Asked at every line: measured once per font of the call.
    const QString key = FontKey(s);
    const auto it = ghHeights_.constFind(key);
    if (it != ghHeights_.constEnd())
        return *it;
    ApplyFont(s, work_);
    const int h = g_->TextHeight(QStringLiteral("gh"), &work_);
    ghHeights_.insert(key, h);
    return h;
}

RunSize HtmlRenderer::MeasureRun(const TagState &s, const QString &run)
{
    // Every run is measured in both passes and words recur: each word is
    // measured once per font of the call.
    const QString key = FontKey(s) + QLatin1Char('|') + run;
    const auto it = runSizes_.constFind(key);
    if (it != runSizes_.constEnd())
        return *it;
    ApplyFont(s, work_);
    RunSize size;
    if (run != QLatin1String(" ")) { // a blank alone takes no width
        TRect calc = Rect(0, 0, 10000, 10000);
        g_->DrawText(run, -1, calc, &work_, DT_CALCRECT, clNone);
        size.width = calc.Width();
    }
    size.height = g_->TextHeight(run, &work_);
    runSizes_.insert(key, size);
    return size;
}

bool HtmlRenderer::Run(QString text)
{
    // Character references, each decoded exactly once.
    {
        QString out;
        out.reserve(text.size());
        for (int i = 0; i < text.size();) {
            bool done = false;
            if (text[i] == QLatin1Char('&')) {
                for (const auto &ref : kReferences) {
                    const QLatin1String name(ref.first);
                    if (text.mid(i, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
                        out += QChar(ref.second);
                        i += name.size();
                        done = true;
                        break;
                    }
                }
            }
            if (!done)
                out += text[i++];
        }
        text = out;
    }
    // Field marker: "<#name>" shows as "#name" (the first one only).
    const int marker = text.indexOf(QLatin1String("<#"));
    if (marker >= 0) {
        text.remove(marker, 1);
        const int gt = text.indexOf(QLatin1Char('>'), marker);
        if (gt >= 0)
            text.remove(gt, 1);
    }
    text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
    text.remove(QLatin1Char('\n'));

    rect_.Left += 1;
    TagState state;
    state.fontName = base_->Name();
    state.fontPoints = std::clamp(base_->Size(), 1, kHtmlMaxFontPoints);
    state.style = base_->Style();
    state.color = base_->Color();

    bool result = false;
    int top = rect_.Top;
    int pos = 0;
    const int total = text.size();
    while (pos < total) {
        const TagState lineStart = state;
        const int ghStart = TextHeightGh(lineStart);
        LineMetrics m;
        m.height = ghStart;
        int consumed = Pass(state, text, pos, total, false, rect_.Left, top, top, m);
        if (consumed <= 0) // cannot happen for well-formed passes; never loop
            consumed = 1;
        if (pos + consumed < total)
            m.height += o_.LineSpacing;

        int lineLeft = rect_.Left;
        if (state.align == Align::Right)
            lineLeft = std::max(rect_.Left, rect_.Right - m.width);
        else if (state.align == Align::Center && rect_.Right - rect_.Left - m.width > 0)
            lineLeft += (rect_.Right - rect_.Left - m.width) / 2;
        lineLeft += state.indent;
        const int lineBottom = top + m.height + m.subExtra + m.supExtra;

        if (!o_.MeasureOnly) {
            TagState replay = lineStart;
            LineMetrics dm = m;
            dm.textHit = dm.imageHit = false;
            Pass(replay, text, pos, pos + consumed, true, lineLeft, top, lineBottom, dm);
            const int band = lineBottom - m.imageOffset;
            if ((dm.textHit && o_.YPos > band - ghStart && o_.YPos < band) || dm.imageHit)
                result = true;
            state = replay;
        }
        pos += consumed;
        const int step = m.height + m.subExtra + m.supExtra;
        top += step;
        r_.YSize += step;
        r_.XSize = std::max(r_.XSize, m.width + 2);
        if (!o_.MeasureOnly && !o_.HitOnly && rect_.Bottom < top + ghStart)
            break;
    }
    if (r_.YSize == 0)
        r_.YSize = TextHeightGh(state);
    r_.YSize += 2;
    r_.LinkCount = state.linkCounter;
    return result;
}

int HtmlRenderer::Pass(TagState &s, const QString &text, int from, int end, bool placed, int lineLeft,
                       int lineTop, int lineBottom, LineMetrics &m)
{
    const bool draw = placed && !o_.HitOnly;
    int x = lineLeft + s.xOffset;
    int width = 0;
    bool placedAny = false;
    bool lineEnd = false;
    bool listItemSeen = false;
    QString lineText;
    int i = from;
    while (i < end && !lineEnd) {
        if (text[i] == QLatin1Char('<')) {
            if (end - i <= 2) { // a '<' with at most one more character: dropped
                ++i;
                continue;
            }
            m.width = width;
            int mx = x;
            const int used = Tag(s, text, i, end, placed, draw, mx, lineLeft, lineTop, lineBottom, m,
                                 lineEnd, placedAny, listItemSeen);
            if (used == 0) // the line ends before this tag
                break;
            placedAny = placedAny || m.width > width;
            width = m.width;
            x = mx;
            i += used;
            continue;
        }
        // A run: up to and including the next blank (with word wrap), or up
        // to the next tag.
        const int lt = nextTag_.Find(text, i);
        const int stop = (lt < 0 || lt > end) ? end : lt;
        int runEnd = stop;
        if (o_.WordWrap) {
            const int sp = nextBlank_.Find(text, i);
            if (sp >= 0 && sp < stop)
                runEnd = sp + 1;
        }
        // Very long words are measured in pieces; the pieces stay together
        // on a line (the text before each does not end in a blank).
        if (runEnd - i > kMaxRunLength) {
            runEnd = i + kMaxRunLength;
            if (text[runEnd - 1].isHighSurrogate())
                --runEnd;
        }
        const QString run = DecodeRun(text.mid(i, runEnd - i));
        if (s.hidden) {
            i = runEnd;
            continue;
        }
        const RunSize size = MeasureRun(s, run);
        const int runWidth = size.width;
        if (!placed) {
            const int avail = rect_.Right - (rect_.Left + s.xOffset);
            const bool fits = width + runWidth <= avail || runWidth >= avail ||
                              (!lineText.isEmpty() && !lineText.endsWith(QLatin1Char(' ')));
            if (!fits && o_.WordWrap && placedAny)
                break;
        }
        const int h = size.height;
        if (s.sub && m.subExtra < h / 4)
            m.subExtra = h / 2;
        if (s.sup && m.supExtra < h / 4)
            m.supExtra = h / 2;
        m.height = std::max(m.height, h);
        if (!placed)
            r_.StrippedText += run;
        if (placed) {
            if (s.inLink && o_.XPos >= x && o_.XPos < x + runWidth) {
                m.textHit = true; // the line's own band decides the result
                if (o_.YPos >= lineTop && o_.YPos < lineBottom) {
                    r_.MouseLink = s.linkIndex;
                    r_.AnchorValue = s.linkTarget;
                    r_.HoverRect = Rect(linkStartX_, lineTop, x + runWidth, lineBottom);
                    hoverPending_ = true;
                }
            }
            if (draw && run != QLatin1String(" ")) {
                const bool continueUnderline = s.style.Contains(fsUnderline) && s.inLink &&
                                               run.endsWith(QLatin1Char(' ')) && runEnd < end &&
                                               text[runEnd] != QLatin1Char('<');
                DrawRun(s, run, x, lineTop, runWidth, lineBottom, m, continueUnderline);
            }
        }
        x += runWidth;
        width += runWidth;
        lineText += run;
        placedAny = true;
        i = runEnd;
    }
    m.width = width;
    return i - from;
}

void HtmlRenderer::DrawRun(const TagState &s, const QString &run, int x, int lineTop, int runWidth,
                           int lineBottom, const LineMetrics &m, bool continueUnderline)
{
    int top = lineTop;
    if (s.sup)
        top -= m.supExtra / 2;
    if (s.sub)
        top += m.subExtra / 2;
    QString shown = run;
    if (continueUnderline)
        shown[shown.size() - 1] = QLatin1Char('_');
    if (s.shadow) {
        TagState shadowState = s;
        shadowState.color = o_.ShadowColor;
        ApplyFont(shadowState, work_);
        TRect r = Rect(x + o_.ShadowOffset, top + o_.ShadowOffset, x + o_.ShadowOffset + runWidth,
                       lineBottom + o_.ShadowOffset);
        g_->DrawText(shown, -1, r, &work_, 0, s.background);
    }
    ApplyFont(s, work_);
    TRect r = Rect(x, top, x + runWidth, lineBottom);
    g_->DrawText(shown, -1, r, &work_, 0, s.background);
    if (s.errorMark) {
        TGPPen pen(PackArgb(255, 255, 0, 0), 1);
        bool high = true;
        for (int px = x & ~1; px < x + runWidth; px += 2, high = !high) {
            const int y1 = lineBottom - (high ? 4 : 2);
            const int y2 = lineBottom - (high ? 2 : 4);
            g_->DrawLine(&pen, REAL(px), REAL(y1), REAL(px + 2), REAL(y2));
        }
    }
}

int HtmlRenderer::Tag(TagState &s, const QString &text, int at, int end, bool placed, bool draw, int &x,
                      int lineLeft, int lineTop, int lineBottom, LineMetrics &m, bool &lineEnd,
                      bool placedAny, bool &listItemSeen)
{
    const int gt = text.indexOf(QLatin1Char('>'), at);
    const int tagEnd = (gt < 0 || gt >= end) ? end : gt + 1;
    const QString tag = text.mid(at, tagEnd - at);
    const QString up = tag.toUpper();
    const bool closing = up.size() > 1 && up[1] == QLatin1Char('/');
    const int k = closing ? 2 : 1;
    const QChar c = k < up.size() ? up[k] : QChar();
    const QChar c2 = k + 1 < up.size() ? up[k + 1] : QChar();
    const bool selectedColours = !o_.Selected;

    if (!closing) {
        switch (c.unicode()) {
        case 'A': {
            s.inLink = true;
            s.linkIndex = s.linkCounter++;
            {
                const int q1 = tag.indexOf(QLatin1Char('"'));
                const int q2 = q1 >= 0 ? tag.indexOf(QLatin1Char('"'), q1 + 1) : -1;
                s.linkTarget = q2 > q1 ? tag.mid(q1 + 1, q2 - q1 - 1) : QString();
            }
            linkStartX_ = x;
            if (s.linkIndex == o_.FocusLink)
                r_.FocusAnchor = s.linkTarget;
            const bool hovered = s.linkIndex == o_.HoverLink;
            if (draw && (!o_.HoverStyle || hovered)) {
                s.style.Include(fsUnderline);
                if (hovered && o_.HoverColor != clNone)
                    s.background = o_.HoverColor;
            }
            if (!o_.Selected) {
                s.color = o_.URLColor;
                if (o_.HoverStyle && hovered && o_.HoverFontColor != clNone)
                    s.color = o_.HoverFontColor;
            }
            break;
        }
        case 'B':
            if (c2 == QLatin1Char('>')) {
                s.style.Include(fsBold);
            } else if (c2 == QLatin1Char('O')) {
                if (draw && selectedColours) {
                    bool hasTo = false;
                    AttributeValue(up, tag, QStringLiteral("BGCOLORTO"), &hasTo);
                    s.background = hasTo ? clNone : ColourValue(AttributeValue(up, tag, QStringLiteral("BGCOLOR")));
                }
            } else if (c2 == QLatin1Char('L')) {
                if (!o_.Blink)
                    s.color = clWhite;
            } else if (c2 == QLatin1Char('R')) {
                lineEnd = true;
                if (!placed)
                    r_.StrippedText += QLatin1Char('\r');
            }
            break;
        case 'E':
            if (draw)
                s.errorMark = true;
            break;
        case 'F': {
            bool found = false;
            const QString face = AttributeValue(up, up, QStringLiteral("FACE"), &found);
            if (found && !face.isEmpty())
                s.fontName = face;
            const QString colour = AttributeValue(up, up, QStringLiteral(" COLOR"), &found);
            if (found && selectedColours)
                s.color = ColourValue(colour);
            const QString back = AttributeValue(up, up, QStringLiteral("BGCOLOR"), &found);
            if (found && draw && selectedColours)
                s.background = ColourValue(back);
            const QString size = AttributeValue(up, up, QStringLiteral("SIZE"), &found);
            if (found) {
                static const int kSizes[] = {8, 10, 12, 14, 16};
                const int n = LeadingNumber(size, kHtmlMaxFontPoints);
                s.fontPoints = std::clamp(n >= 1 && n <= 5 ? kSizes[n - 1] : n, 1, kHtmlMaxFontPoints);
            }
            break;
        }
        case 'H':
            if (c2 == QLatin1Char('I')) {
                if (draw) {
                    s.highlightSavedColor = s.color;
                    s.highlightSavedBackground = s.background;
                    s.background = clHighlight;
                    s.color = clHighlightText;
                }
            } else if (c2 == QLatin1Char('R')) {
                lineEnd = true;
                if (draw) {
                    TGPPen pen(PackArgb(255, 0, 0, 0), 1);
                    g_->DrawLine(&pen, REAL(rect_.Left), REAL(lineBottom + 1), REAL(rect_.Right),
                                 REAL(lineBottom + 1));
                }
            }
            break;
        case 'I':
            if (c2 == QLatin1Char('>')) {
                s.style.Include(fsItalic);
            } else if (c2 == QLatin1Char('N')) {
                const int n = LeadingNumber(AttributeValue(up, up, QStringLiteral("X")), kHtmlMaxImageSize);
                if (n > m.width) {
                    m.width = n;
                    x = lineLeft + n;
                }
            } else if (c2 == QLatin1Char('M')) {
                const int avail = rect_.Right - (rect_.Left + s.xOffset);
                if (!Image(s, up, tag, placed, draw, x, lineLeft, lineTop, avail, m, placedAny))
                    return 0;
            }
            break;
        case 'L': {
            if (listItemSeen && !placed)
                return 0; // a second list item starts a new line
            listItemSeen = true;
            const int level = s.listLevel;
            m.width += 12 * level;
            x += 12 * level - 12;
            if (draw && !s.hidden)
                Bullet(s, up, tag, x, lineTop);
            x += 12;
            break;
        }
        case 'O':
            if (c2 == QLatin1Char('F')) {
                const int n = LeadingNumber(AttributeValue(up, up, QStringLiteral("X")), kHtmlMaxImageSize);
                x = lineLeft + n;
                m.width = n;
                s.xOffset = n;
            }
            break;
        case 'P': {
            const QString align = AttributeValue(up, up, QStringLiteral("ALIGN"));
            if (align.contains(QLatin1String("RIGHT")))
                s.align = Align::Right;
            else if (align.contains(QLatin1String("LEFT")))
                s.align = Align::Left;
            else if (align.contains(QLatin1String("CENTER")))
                s.align = Align::Center;
            bool found = false;
            const QString indent = AttributeValue(up, up, QStringLiteral("INDENT"), &found);
            if (found)
                s.indent = LeadingNumber(indent, kHtmlMaxImageSize);
            bool hasBack = false, hasTo = false;
            AttributeValue(up, up, QStringLiteral("BGCOLOR"), &hasBack);
            AttributeValue(up, up, QStringLiteral("BGCOLORTO"), &hasTo);
            if (hasBack && hasTo && draw)
                s.background = clNone;
            break;
        }
        case 'S':
            if (up.startsWith(QLatin1String("<SUB>")))
                s.sub = true;
            else if (up.startsWith(QLatin1String("<SUP>")))
                s.sup = true;
            else if (c2 == QLatin1Char('>'))
                s.style.Include(fsStrikeOut);
            else if (c2 == QLatin1Char('H'))
                s.shadow = true;
            break;
        case 'U':
            if (c2 == QLatin1Char('>')) {
                s.style.Include(fsUnderline);
            } else {
                s.listLevel = std::min(s.listLevel + 1, kHtmlMaxListLevel);
                lineEnd = true;
            }
            break;
        case 'Z':
            s.hidden = true;
            break;
        default:
            break;
        }
    } else {
        switch (c.unicode()) {
        case 'A':
            s.style.Exclude(fsUnderline);
            if (s.background == o_.HoverColor && o_.HoverColor != clNone)
                s.background = clNone;
            if (!o_.Selected)
                s.color = base_->Color();
            if (hoverPending_) {
                r_.HoverRect.Right = x;
                hoverPending_ = false;
            }
            s.inLink = false;
            break;
        case 'B':
            if (c2 == QLatin1Char('>'))
                s.style.Exclude(fsBold);
            else
                s.color = base_->Color();
            break;
        case 'E':
            s.errorMark = false;
            break;
        case 'F':
            s.fontName = base_->Name();
            s.fontPoints = std::clamp(base_->Size(), 1, kHtmlMaxFontPoints);
            if (draw && selectedColours) {
                s.color = base_->Color();
                s.background = clNone;
            }
            break;
        case 'H':
            if (c2 == QLatin1Char('I') && draw) {
                s.color = s.highlightSavedColor;
                s.background = s.highlightSavedBackground;
            }
            break;
        case 'I':
            if (c2 == QLatin1Char('>'))
                s.style.Exclude(fsItalic);
            break;
        case 'L':
            lineEnd = true;
            break;
        case 'O':
            s.xOffset = 0;
            break;
        case 'P':
            lineEnd = true;
            if (draw)
                s.background = clNone;
            break;
        case 'S':
            if (c2 == QLatin1Char('U')) {
                s.sub = s.sup = false;
            } else if (c2 == QLatin1Char('H')) {
                s.shadow = false;
            } else {
                s.style.Exclude(fsStrikeOut);
            }
            break;
        case 'U':
            if (c2 == QLatin1Char('>'))
                s.style.Exclude(fsUnderline);
            else if (s.listLevel > 0)
                --s.listLevel;
            else
                s.style.Exclude(fsUnderline);
            break;
        case 'Z':
            s.hidden = false;
            break;
        default:
            break;
        }
    }
    return tagEnd - at;
}

bool HtmlRenderer::Image(TagState &s, const QString &up, const QString &tag, bool placed, bool draw,
                         int &x, int lineLeft, int lineTop, int avail, LineMetrics &m, bool placedAny)
{
    ++s.imageCounter;
    const int w = LeadingNumber(AttributeValue(up, up, QStringLiteral("WIDTH")), kHtmlMaxImageSize);
    const int h = LeadingNumber(AttributeValue(up, up, QStringLiteral("HEIGHT")), kHtmlMaxImageSize);
    const bool explicitSize = w >= 1 && h >= 1;
    const QString src = AttributeValue(up, tag, QStringLiteral("SRC"));
    int iw = 0, ih = 0;
    QPixmap icon;
    QImage listImage;
    TSmGDIPPicture *picture = nullptr;
    const QString upSrc = src.toUpper();
    if (upSrc.startsWith(QLatin1String("SSYS:")) || upSrc.startsWith(QLatin1String("LSYS:"))) {
        const int size = upSrc.startsWith(QLatin1Char('S')) ? 16 : 32;
        const QString path = src.mid(5);
        static QFileIconProvider provider;
        bool isNumber = false;
        const int index = path.toInt(&isNumber);
        QIcon i;
        if (isNumber)
            i = provider.icon(QAbstractFileIconProvider::IconType(
                std::clamp(index, 0, int(QAbstractFileIconProvider::File))));
        else
            i = provider.icon(QFileInfo(path));
        icon = i.pixmap(size, size);
        iw = ih = size;
    } else if (upSrc.startsWith(QLatin1String("IDX:"))) {
        const int n = LeadingNumber(src.mid(4), INT_MAX);
        if (o_.Images && n < o_.Images->Count()) {
            listImage = o_.Images->Image(n);
            iw = o_.Images->Width();
            ih = o_.Images->Height();
        }
    } else if (!src.isEmpty() && !src.contains(QLatin1Char(':')) && o_.PictureContainer) {
        picture = o_.PictureContainer->FindPicture(src);
        if (picture && !picture->Empty()) {
            iw = std::min(picture->Width(), kHtmlMaxImageSize);
            ih = std::min(picture->Height(), kHtmlMaxImageSize);
        } else {
            picture = nullptr;
        }
    }
    if (explicitSize && iw > 0) {
        iw = w;
        ih = h;
    }
    if (iw <= 0 && ih <= 0)
        return true;
    if (placed && s.inLink && o_.XPos >= x && o_.XPos < x + iw && o_.YPos >= lineTop && o_.YPos < lineTop + ih) {
        m.imageHit = true;
        r_.MouseLink = s.linkIndex;
        r_.AnchorValue = s.linkTarget;
    }
    if (!placed && placedAny && m.width + iw > avail)
        return false;
    if (draw) {
        if (picture) {
            picture->GpDraw(g_, MakeRectF(REAL(x), REAL(lineTop), REAL(iw), REAL(ih)));
        } else if (!listImage.isNull()) {
            if (!o_.Print)
                DrawQImage(g_, listImage, MakeRectF(REAL(x), REAL(lineTop), REAL(iw), REAL(ih)));
        } else if (!icon.isNull()) {
            const double scale = o_.Print ? o_.Scale : 1.0;
            DrawQImage(g_, icon.toImage(), MakeRectF(REAL(x), REAL(lineTop), REAL(iw * scale), REAL(ih * scale)));
        }
    }
    x += iw;
    m.width += iw;
    m.height = std::max(m.height, ih);
    const QString align = AttributeValue(up, up, QStringLiteral("ALIGN"));
    const int gh = TextHeightGh(s);
    if (align.contains(QLatin1String("TOP")))
        m.imageOffset = m.height - gh;
    else if (align.contains(QLatin1String("MIDDLE")))
        m.imageOffset = (m.height - gh) / 2;
    if (up.contains(QLatin1String("WRAP"))) {
        m.height = gh;
        m.imageOffset = 0;
    }
    return true;
}

void HtmlRenderer::Bullet(const TagState &s, const QString &up, const QString &tag, int &x, int lineTop)
{
    const QString type = AttributeValue(up, up, QStringLiteral("TYPE"));
    bool hasColour = false;
    const QString colourText = AttributeValue(up, up, QStringLiteral("COLOR"), &hasColour);
    const TColor colour = hasColour ? ColourValue(colourText) : s.color;
    const int top = lineTop + 2;
    if (type.contains(QLatin1String("SQUARE")) || type.contains(QLatin1String("CIRCLE"))) {
        TGPSolidBrush brush(ArgbFromColor(255, colour == clNone ? clBlack : colour));
        if (type.contains(QLatin1String("SQUARE")))
            g_->FillRectangle(&brush, REAL(x), REAL(top), REAL(8), REAL(8));
        else
            g_->FillEllipse(&brush, REAL(x), REAL(top), REAL(8), REAL(8));
        return;
    }
    if (type.contains(QLatin1String("IMAGE"))) {
        TSmGDIPPicture *pic = o_.PictureContainer
                                  ? o_.PictureContainer->FindPicture(AttributeValue(up, up, QStringLiteral("NAME")))
                                  : nullptr;
        if (pic && !pic->Empty()) {
            pic->GpDraw(g_, MakeRectF(REAL(x), REAL(top), REAL(pic->Width()), REAL(pic->Height())));
            if (pic->Width() > 12)
                x += std::min(pic->Width(), kHtmlMaxImageSize) - 12;
        }
        return;
    }
    TFont symbol;
    symbol.SetName(QStringLiteral("Symbol"));
    symbol.SetSize(s.fontPoints);
    symbol.SetColor(colour == clNone ? s.color : colour);
    TRect r = Rect(x, top, x + 12, top + 20);
    g_->DrawText(s.listLevel % 2 == 0 ? QStringLiteral("o") : QString(QChar(0x2022)), -1, r, &symbol, 0,
                 clNone);
}

} // namespace

bool DrawHtmlTextGdip(TGPGraphics *Graphics, TFont *Font, const QString &Text, const TRect &Rect,
                      const THtmlDrawOptions &Options, THtmlDrawResult &Result)
{
    Result = THtmlDrawResult();
    if (!Graphics || !Font)
        return false;
    HtmlRenderer renderer(Graphics, Font, Rect, Options, Result);
    return renderer.Run(Text);
}

void DrawQImage(TGPGraphics *Graphics, const QImage &Image, const TGPRectF &Dest)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Image.save(&buffer, "PNG");
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    TGPBitmap bitmap(&buffer);
    Graphics->DrawImage(&bitmap, Dest);
}

TColor HtmlColorNameToColor(const QString &Name)
{
    for (const NamedColour &c : kColourNames)
        if (Name == QLatin1String(c.name))
            return c.color;
    return clBlack;
}

TColor HtmlHexToColor(const QString &Value)
{
    const int red = HexPair(Value, 1);
    const int green = HexPair(Value, 3);
    const int blue = HexPair(Value, 5);
    return red + green * 256 + blue * 65536;
}

bool ReplaceFirstText(const QString &Old, const QString &New, QString &Text)
{
    const int at = Text.indexOf(Old, 0, Qt::CaseInsensitive);
    if (at < 0 || Old.isEmpty())
        return false;
    Text.replace(at, Old.size(), New);
    return true;
}
