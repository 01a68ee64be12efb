#pragma once
#include "TypInfo.h"

#include <QString>
#include <vector>

class TStrings;

// Published properties as text lines "Name = Value", the basis of the plot
// library's properties, configuration and annotation files. Sub-objects
// appear under dotted names ("Font.Color = 255"). Lines are Unicode; the
// files carry them as UTF-8.

// At the first Separator: Name the trimmed text before it, Value the trimmed
// text after it; both empty without a Separator.
void SplitNameValue(const QString &Text, const QString &Separator, QString &Name, QString &Value);
// Finds the first line whose name is Key (ignoring case), deletes it and
// gives its value. Value is written for every line examined.
bool ExtractNameValue(const QString &Key, QString &Value, TStrings *List);
// The object of an object property; null when missing or of another kind.
TObject *GetObjectProperty(TObject *Instance, const QString &PropName);
// The kind of the writable property reached by a dotted name, searching
// sub-objects; tkUnknown when none.
TTypeKind FindPropertyKind(TObject *Instance, const QString &Path, const QString &PropertyName);

// Appends one line per stored, writable property, recursing into
// sub-objects with Path as the prefix. OnlyNonDefault leaves out ordinals at
// their declared default; names in ExcludeList (ignoring case) are skipped.
// Floats by FloatToStr with "." as the point whatever the settings (files
// read back anywhere), CR and LF in texts as "#13" and "#10".
void SavePropertiesToStrings(TObject *Instance, const QString &Path, TStrings *Lines, bool OnlyNonDefault,
                             TStrings *ExcludeList);
// Applies lines from the top of List and deletes them, until a line whose
// prefix (the part before its first ".") is not exactly Path: that line
// belongs to another object and stays. An empty Path applies every line.
void LoadPropertiesFromStrings(TObject *Instance, const QString &Path, TStrings *List);

// Sets one property from its text. A dotted name follows object properties;
// a name that reaches no property, or whose head is not an object, is
// skipped. A float accepts "." or "," for the point; with any other
// DecimalSeparator it does not convert. Raises EConvertError when the value
// does not convert or an ordinal is out of its range; nothing is set then.
void SetPropertyFromText(TObject *Instance, const QString &Name, const QString &Value, QChar DecimalSeparator);
// The same checks without setting anything; false when Name reaches no
// property (the caller decides whether that is an error).
bool CheckPropertyText(TObject *Instance, const QString &Name, const QString &Value, QChar DecimalSeparator);

// Raises Exception "Line <Line>: <Message>".
[[noreturn]] void ThrowLineError(int Line, const QString &Message);

// The property lines of a file with their line numbers, for loaders that
// check a whole file before they change anything. Every line must be
// "name = value" with a name: a blank line (other than at the end of the
// file) or a line without "=" raises a line error at once. Extract and Apply
// behave as ExtractNameValue and LoadPropertiesFromStrings, and a failure
// while applying names its line.
class TgPropertyLineList {
public:
    explicit TgPropertyLineList(const TStrings *Lines);

    int Count() const { return FLeft; }
    // Raises a line error for the first line left, when there is one
    // (Message with %1 for that line's name).
    void CheckUsed(const QString &Message) const;
    // The first line whose name is Key (ignoring case) is taken out; its
    // value and number are given.
    bool Extract(const QString &Key, QString &Value, int &Line);
    // Applies lines from the top, taking each out, while their prefix is
    // exactly Path (every line for an empty Path).
    void Apply(TObject *Instance, const QString &Path);
    // Takes out the lines from the top whose prefix is exactly Path.
    void Skip(const QString &Path);
    // Takes out every line whose name is Path + "." + Name (ignoring case).
    void RemoveName(const QString &Path, const QString &Name);

private:
    struct TgLine {
        int Number;
        QString Name, Value;
        bool Taken = false;
    };
    // The line's name without its prefix, when the prefix is exactly Path.
    static bool OfPath(const TgLine &Line, const QString &Path, QString &Name);
    // Takes out the line at Index (lines before FFirst are all taken).
    void Take(size_t Index);
    // The first line left from Index on; FLines.size() when none.
    size_t NextLeft(size_t Index) const;

    // Lines are marked taken, not erased, so that taking them from the top
    // object by object stays in proportion to the file.
    std::vector<TgLine> FLines;
    size_t FFirst = 0;
    int FLeft = 0;
};
