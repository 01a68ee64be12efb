#pragma once
// Files of the plot library in a temporary folder: bytes in and out, a
// German number locale for the time of a test, and a plot that counts the
// repaints it asks for.
#include "FormatSettings.h"
#include "gPlotChannelCustom.h"
#include "gXYPlot.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <clocale>
#include <string>

inline QByteArray ReadBytes(const QString &FileName)
{
    QFile f(FileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString &FileName, const QByteArray &Bytes)
{
    QFile f(FileName);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(Bytes);
}

// Point Index of a channel as "X Y", with " null" or " empty" after it.
inline QString PointText(const TgPlotChannelCustom *Channel, int Index)
{
    double x, y;
    bool empty, null;
    Channel->GetXYEmptyNull(Index, x, y, empty, null);
    return QStringLiteral("%1 %2%3%4").arg(x).arg(y).arg(null ? " null" : "").arg(empty ? " empty" : "");
}

inline QStringList PointTexts(const TgPlotChannelCustom *Channel)
{
    QStringList out;
    for (int i = 0; i < Channel->Count(); ++i)
        out << PointText(Channel, i);
    return out;
}

// "," as the decimal separator everywhere a number text could pick one up:
// the library's settings, Qt's default locale and the C library's.
class TGermanNumbers {
public:
    TGermanNumbers() : FScope(German()), FLocale(QLocale()), FC(std::setlocale(LC_NUMERIC, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_NUMERIC, name))
                break;
    }
    ~TGermanNumbers()
    {
        std::setlocale(LC_NUMERIC, FC.c_str());
        QLocale::setDefault(FLocale);
    }

private:
    static TFormatSettings German()
    {
        TFormatSettings s;
        s.DecimalSeparator = u',';
        s.ThousandSeparator = u'.';
        return s;
    }
    TFormatSettingsScope FScope;
    QLocale FLocale;
    std::string FC;
};

// An XY plot whose every repaint request goes straight to DoInvalidate,
// counted.
class TCountingPlot : public TgXYPlot {
public:
    explicit TCountingPlot(TComponent *AOwner) : TgXYPlot(AOwner)
    {
        SetAutoFrameRate(false);
        SetBounds(0, 0, 500, 300);
    }
    int repaints = 0;
    void DoInvalidate() override
    {
        ++repaints;
        TgXYPlot::DoInvalidate();
    }
};
