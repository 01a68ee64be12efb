#pragma once
#include "TypInfo.h"

#include <QString>
#include <functional>
#include <vector>

class TStream;
class TReader;
class TWriter;

// The component stream: typed values, lists and collections, and the
// published properties of objects written as (name, value) pairs, sub-objects
// under dotted names. A class adds properties of its own format with
// DefineProperties (DefineProperty with a reader and a writer). The value
// tags are the toolkit's.
enum TValueType : unsigned char {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

class TFiler {
public:
    virtual ~TFiler() = default;
    // A property of the object's own format. HasData: whether the writer
    // writes it at all.
    virtual void DefineProperty(const QString &Name, const std::function<void(TReader *)> &ReadData,
                                const std::function<void(TWriter *)> &WriteData, bool HasData) = 0;
};

// Properties an object streams beyond its published ones (none here).
class IDefinesProperties {
public:
    virtual void DefineProperties(TFiler *Filer) = 0;

protected:
    ~IDefinesProperties() = default;
};

class TWriter : public TFiler {
public:
    explicit TWriter(TStream *Stream) : stream_(Stream) {}

    void WriteValue(TValueType Value);
    void WriteInteger(long long Value); // the smallest integer form
    void WriteDouble(double Value);
    void WriteBoolean(bool Value);
    void WriteString(const QString &Value); // vaString for short Latin-1, else vaUTF8String
    void WriteIdent(const QString &Ident);
    // A block of raw data (vaBinary, 32-bit length, the bytes).
    void WriteBinary(const QByteArray &Bytes);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    void WritePropName(const QString &Name);

    // One published property (an object property: its own properties under
    // dotted names), and every stored, writable one of Instance followed by
    // its defined properties.
    void WriteProperty(TObject *Instance, const TPropInfo &Info, const QString &Prefix = QString());
    void WriteProperties(TObject *Instance, const QString &Prefix = QString());

    void DefineProperty(const QString &Name, const std::function<void(TReader *)> &ReadData,
                        const std::function<void(TWriter *)> &WriteData, bool HasData) override;

private:
    void WriteBytes(const void *Data, int Count);
    void WriteShortString(const QByteArray &Bytes);
    TStream *stream_;
    QString prefix_;
};

// Reads what TWriter writes. Damaged data raises EReadError.
class TReader : public TFiler {
public:
    explicit TReader(TStream *Stream) : stream_(Stream) {}

    TValueType ReadValue();
    TValueType NextValue(); // without consuming it
    // True at a list's end; also safe where a property name (any length
    // byte) comes next.
    bool EndOfList();
    long long ReadInteger();
    double ReadDouble(); // integers too
    bool ReadBoolean();
    QString ReadString();
    QString ReadIdent();
    QByteArray ReadBinary();
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }
    QString ReadPropName();
    // One (name, value) pair into Instance; a name that reaches no property
    // nor a defined one raises EReadError.
    void ReadProperty(TObject *Instance);
    // Pairs until the end of the list, which is consumed.
    void ReadProperties(TObject *Instance);
    // Skips one value of any kind.
    void SkipValue();

    void DefineProperty(const QString &Name, const std::function<void(TReader *)> &ReadData,
                        const std::function<void(TWriter *)> &WriteData, bool HasData) override;

private:
    void CheckValue(TValueType Expected);
    void ReadBytes(void *Data, int Count);
    QByteArray ReadShortString();
    QString ReadStringOf(TValueType Type);
    [[noreturn]] void Invalid(const QString &What);
    TStream *stream_;
    QString pendingName_;
    bool definedRead_ = false;
};

// Every stored property of Instance with both accessors, then its defined
// ones; a library exception ends the writing silently.
void WritePersistentProperties(TWriter *Writer, TObject *Instance);
