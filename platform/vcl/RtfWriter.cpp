#include "RtfWriter.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <vector>

namespace {

int Twips(double pixels)
{
    return int(std::lround(pixels * 15.0));
}

QString FamilyOf(const QTextCharFormat &f, const QTextDocument *doc)
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return doc->defaultFont().family();
}

// Escapes text for an RTF body or, with FontName, for a font table entry:
// the three special characters, tabs and line separators as words in a body,
// other control characters as \'hh (and a ";" in a font name, which would end
// it), everything beyond ASCII as \uN with "?" for readers without Unicode.
QByteArray Escape(const QString &text, bool FontName = false)
{
    QByteArray out;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t' && !FontName) {
            out += "\\tab ";
        } else if ((u == 0x2028 || u == QChar::ParagraphSeparator) && !FontName) {
            out += "\\line ";
        } else if (u < 0x20 || (u == ';' && FontName)) {
            out += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(int(std::int16_t(u))) + '?';
        }
    }
    return out;
}

} // namespace

QByteArray RtfWriter::Write(const QTextDocument *Document)
{
    // Fonts and colours first, to number them in the tables.
    QStringList fonts;
    std::vector<QColor> colours;
    auto fontIndex = [&](const QString &family) {
        int i = int(fonts.indexOf(family));
        if (i < 0) {
            fonts.append(family);
            i = int(fonts.size()) - 1;
        }
        return i;
    };
    auto colourIndex = [&](const QColor &c) {
        for (size_t i = 0; i < colours.size(); ++i)
            if (colours[i].rgb() == c.rgb())
                return int(i) + 1;
        colours.push_back(c);
        return int(colours.size());
    };
    fontIndex(Document->defaultFont().family());

    QByteArray body;
    for (QTextBlock block = Document->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        body += "\\pard";
        const Qt::Alignment a = b.alignment() & Qt::AlignHorizontal_Mask;
        body += a & Qt::AlignHCenter ? "\\qc" : a & Qt::AlignRight ? "\\qr" : a & Qt::AlignJustify ? "\\qj" : "\\ql";
        if (b.leftMargin() != 0)
            body += "\\li" + QByteArray::number(Twips(b.leftMargin()));
        if (b.rightMargin() != 0)
            body += "\\ri" + QByteArray::number(Twips(b.rightMargin()));
        if (b.textIndent() != 0)
            body += "\\fi" + QByteArray::number(Twips(b.textIndent()));
        if (b.topMargin() != 0)
            body += "\\sb" + QByteArray::number(Twips(b.topMargin()));
        if (b.bottomMargin() != 0)
            body += "\\sa" + QByteArray::number(Twips(b.bottomMargin()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid())
                continue;
            const QTextCharFormat f = frag.charFormat();
            body += "\\plain\\f" + QByteArray::number(fontIndex(FamilyOf(f, Document)));
            const double points = f.fontPointSize() > 0 ? f.fontPointSize() : Document->defaultFont().pointSizeF();
            body += "\\fs" + QByteArray::number(int(std::lround(points * 2)));
            if (f.fontWeight() >= QFont::Bold)
                body += "\\b";
            if (f.fontItalic())
                body += "\\i";
            if (f.fontUnderline())
                body += "\\ul";
            if (f.fontStrikeOut())
                body += "\\strike";
            if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
                body += "\\cf" + QByteArray::number(colourIndex(f.foreground().color()));
            if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
                body += "\\cb" + QByteArray::number(colourIndex(f.background().color()));
            body += ' ';
            body += Escape(frag.text());
        }
        if (block.next().isValid())
            body += "\\par\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fnil " + Escape(fonts[i], true) + ";}";
    out += "}\n{\\colortbl ;";
    for (const QColor &c : colours)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ';';
    out += "}\n" + body + "}\n";
    return out;
}
