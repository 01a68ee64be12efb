#pragma once
#include <QString>
#include <QStringList>

// One table maps the Windows family names that layouts and code ask for
// ("Arial", "Tahoma", "MS Sans Serif", "Segoe UI", "Times New Roman",
// "Courier New", "Verdana", "SimSun", "宋体", ...) to the fonts the set-up
// installs (DejaVu Sans, Liberation Sans / Serif / Mono, WenQuanYi Micro
// Hei), so that text metrics are the same on every machine.

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

// The family used when a name is unknown.
QString DefaultFontFamily();
