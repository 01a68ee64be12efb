#pragma once
#include <QString>
#include <QStringList>

// One table maps the Windows family names that layouts and code ask for
// ("Arial", "Tahoma", "MS Sans Serif", "Segoe UI", "Times New Roman",
// "Courier New", "Verdana", "SimSun", "宋体", ...) to the fonts the set-up
// installs, so that text metrics are the same on every machine: the metric
// twins of the Windows UI faces from fonts-wine (Tahoma, MS Sans Serif,
// Small Fonts, Marlett, Symbol, Wingdings, ...), which the program adds to
// Qt's font database itself on the first lookup, Liberation Sans / Serif /
// Mono for Arial, Times New Roman and Courier New, DejaVu Sans for the other
// UI faces and WenQuanYi Micro Hei for every Chinese face. A twin whose file
// is missing falls back to Liberation Sans, Liberation Mono or DejaVu Sans.

// The installed family that stands for Name (case ignored). A name the table
// does not know is returned unchanged when it is installed, else the default
// family "DejaVu Sans".
QString SubstituteFontFamily(const QString &Name);

// True when Name is in the table or installed; a GDI+ style font lookup uses
// this to decide whether a family exists.
bool IsKnownFontFamily(const QString &Name);

// The family list to give QFont::setFamilies: the substitute first, then the
// CJK font, so that Chinese text always draws with WenQuanYi Micro Hei.
QStringList FontFamiliesFor(const QString &Name);

// Adds the twin files to Qt's font database, once, when a Qt GUI
// application exists; every lookup above does this first, and so does the
// rich-text reader, whose documents name their faces to Qt directly. True
// when at least one twin is there.
bool AddWindowsFontTwins();

// The family used when a name is unknown.
QString DefaultFontFamily();
