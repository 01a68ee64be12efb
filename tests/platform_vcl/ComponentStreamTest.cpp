#include "ComponentStream.h"
#include "Exceptions.h"
#include "Font.h"
#include "Stream.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(ComponentStream, TypedValuesRoundTrip)
{
    TMemoryStream s;
    TWriter w(&s);
    const long long ints[] = {0, -128, 127, 128, -32769, 2147483647, -2147483648LL, 1LL << 40};
    for (long long v : ints)
        w.WriteInteger(v);
    w.WriteDouble(-0.125);
    w.WriteBoolean(true);
    w.WriteString("short");
    w.WriteString(QString(300, u'x'));
    w.WriteString(QString::fromUtf8("\xE4\xB8\xAD"));
    w.WriteIdent("fpFixed");
    w.WriteListBegin();
    w.WriteInteger(5);
    w.WriteListEnd();
    w.WriteInteger(9);

    s.SetPosition(0);
    TReader r(&s);
    for (long long v : ints)
        EXPECT_EQ(r.ReadInteger(), v);
    EXPECT_EQ(r.ReadDouble(), -0.125);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_EQ(r.ReadString(), "short");
    EXPECT_EQ(r.ReadString(), QString(300, u'x'));
    EXPECT_EQ(r.ReadString(), QString::fromUtf8("\xE4\xB8\xAD"));
    EXPECT_EQ(r.ReadIdent(), "fpFixed");
    r.SkipValue(); // the whole list
    EXPECT_EQ(r.ReadInteger(), 9);
    EXPECT_THROW(r.ReadInteger(), EReadError); // at the end
}

TEST(ComponentStream, BinaryBlocksAndLongPropertyNames)
{
    TMemoryStream s;
    TWriter w(&s);
    w.WriteBinary(QByteArray("\x00\x01\xFF", 3));
    w.WriteBinary(QByteArray());
    // A name of 25 characters: its length byte is no value tag.
    w.WritePropName(QStringLiteral("BackGroundGradientEnabled"));
    w.WriteBinary(QByteArray("ab"));
    w.WriteInteger(9);
    s.SetPosition(0);
    TReader r(&s);
    EXPECT_EQ(r.ReadBinary(), QByteArray("\x00\x01\xFF", 3));
    EXPECT_EQ(r.ReadBinary(), QByteArray());
    EXPECT_FALSE(r.EndOfList());
    EXPECT_EQ(r.ReadPropName(), QStringLiteral("BackGroundGradientEnabled"));
    r.SkipValue();
    EXPECT_EQ(r.ReadInteger(), 9);
    EXPECT_THROW(r.ReadInteger(), EReadError); // at the end
}

TEST(ComponentStream, PropertiesOfAnObject)
{
    TFont a;
    a.SetColor(255);
    a.SetName(QString::fromUtf8("\xE5\xAE\x8B\xE4\xBD\x93"));
    a.SetStyle({fsBold, fsItalic});
    a.SetPitch(fpFixed);
    TMemoryStream s;
    TWriter w(&s);
    w.WriteProperties(&a);
    w.WriteListEnd();
    EXPECT_FALSE(s.Bytes().contains("Orientation")); // at its declared default
    s.SetPosition(0);
    TFont b;
    TReader r(&s);
    r.ReadProperties(&b);
    EXPECT_TRUE(a == b);

    struct Bad {
        const char *name;
        QByteArray bytes;
    } bad[] = {
        {"unknown property", QByteArray("\x07" "Nothing" "\x02\x01\x00", 11)},
        {"wrong value kind", QByteArray("\x05" "Color" "\x06\x01x\x00", 10)},
        {"identifier out of range", QByteArray("\x05" "Pitch" "\x07\x03" "fpX" "\x00", 12)},
        {"truncated", QByteArray("\x05" "Color" "\x04\x01", 8)},
        {"unknown tag", QByteArray("\x05" "Color" "\x63", 7)},
    };
    for (const Bad &k : bad) {
        TMemoryStream m(k.bytes);
        TReader rr(&m);
        TFont f;
        EXPECT_THROW(rr.ReadProperties(&f), EReadError) << k.name;
    }
}

} // namespace
