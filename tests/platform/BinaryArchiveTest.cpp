#include "platform/BinaryArchive.h"
#include "platform/ByteBuilder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using zeva::BinaryArchive;
using zeva::BinaryArchiveError;
using zeva::test::ByteBuilder;
using Length = ByteBuilder::Length;

namespace {

BinaryArchive Archive(const ByteBuilder& b)
{
    return BinaryArchive(b.Bytes());
}

// Runs the reading step and returns the offset of the error it raises; fails
// the test when it raises none.
std::size_t ErrorOffset(const std::function<void()>& read)
{
    try {
        read();
    } catch (const BinaryArchiveError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Die Datei ist beschädigt (Byte " + std::to_string(e.Offset()) + "): ", 0), 0u)
            << e.what();
        return e.Offset();
    }
    ADD_FAILURE() << "no BinaryArchiveError";
    return SIZE_MAX;
}

} // namespace

TEST(BinaryArchive, ReadsLittleEndianPrimitives)
{
    // Fixed bytes, so that the byte order is checked against the format and
    // not only against the builder.
    BinaryArchive raw(std::vector<std::uint8_t>{0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xF0, 0x3F, 0x00, 0x00, 0xC0, 0x3F});
    EXPECT_EQ(raw.ReadInt(), 0x04030201);
    EXPECT_EQ(raw.ReadShort(), -2);
    EXPECT_EQ(raw.ReadDouble(), 1.0);
    EXPECT_EQ(raw.ReadFloat(), 1.5f);
    EXPECT_TRUE(raw.AtEnd());

    ByteBuilder b;
    b.Byte(0xAB).Word(0xBEEF).Short(-12345).Int(-123456789).DWord(0xDEADBEEF).Float(-0.25f).Double(-0.1).Double(1e300);
    BinaryArchive ar = Archive(b);
    EXPECT_EQ(ar.ReadByte(), 0xAB);
    EXPECT_EQ(ar.ReadWord(), 0xBEEF);
    EXPECT_EQ(ar.ReadShort(), -12345);
    EXPECT_EQ(ar.ReadInt(), -123456789);
    EXPECT_EQ(ar.ReadDWord(), 0xDEADBEEFu);
    EXPECT_EQ(ar.ReadFloat(), -0.25f);
    EXPECT_EQ(ar.ReadDouble(), -0.1);
    EXPECT_EQ(ar.ReadDouble(), 1e300);
    EXPECT_EQ(ar.Position(), b.Size());
    EXPECT_TRUE(ar.AtEnd());
}

TEST(BinaryArchive, ReadsStringsOfEveryLengthForm)
{
    struct Case {
        const char* name;
        std::function<void(ByteBuilder&)> write;
        std::string expected;
    };
    const std::string a254(254, 'a');
    const std::string b255(255, 'b');
    const std::string c65533(0xFFFD, 'c');
    const std::string d65534(0xFFFE, 'd');
    const std::string e70000(70000, 'e');
    const std::u16string w300(300, u'w');
    const std::u16string w65534(0xFFFE, u'\u00FC');
    std::string u65534;
    for (int i = 0; i < 0xFFFE; ++i)
        u65534 += "ü";

    const std::vector<Case> cases = {
        {"empty", [](ByteBuilder& b) { b.String8(""); }, ""},
        {"short ASCII", [](ByteBuilder& b) { b.String8("Musterhaus"); }, "Musterhaus"},
        {"sharp s", [](ByteBuilder& b) { b.String8("Stra\xDF" "e"); }, "Straße"},
        {"euro and umlauts", [](ByteBuilder& b) { b.String8("\x80 \xC4\xD6\xDC\xE4\xF6\xFC\xDF"); }, "€ ÄÖÜäöüß"},
        {"German quotes", [](ByteBuilder& b) { b.String8("\x84Zitat\x93 \x96 \x85"); }, "„Zitat“ – …"},
        {"upper table end", [](ByteBuilder& b) { b.String8("\x9F\x8A\x9E\x99"); }, "ŸŠž™"},
        {"bytes undefined in the code page", [](ByteBuilder& b) { b.String8("\x81\x8D\x8F\x90\x9D"); },
         "\u0081\u008D\u008F\u0090\u009D"},
        {"Latin-1 half", [](ByteBuilder& b) { b.String8("\xA0\xB0\xFF"); }, "\u00A0°ÿ"},
        {"embedded zero byte", [](ByteBuilder& b) { b.String8(std::string_view("a\0b", 3)); }, std::string("a\0b", 3)},
        {"254 chars in one byte", [&](ByteBuilder& b) { b.String8(a254, Length::Byte); }, a254},
        {"255 chars after 0xFF", [&](ByteBuilder& b) { b.String8(b255); }, b255},
        {"65533 chars in 16 bits", [&](ByteBuilder& b) { b.String8(c65533); }, c65533},
        {"65534 chars in 32 bits", [&](ByteBuilder& b) { b.String8(d65534); }, d65534},
        {"70000 chars in 32 bits", [&](ByteBuilder& b) { b.String8(e70000); }, e70000},
        {"short text in the 16-bit form", [](ByteBuilder& b) { b.String8("Ort", Length::Word); }, "Ort"},
        {"short text in the 32-bit form", [](ByteBuilder& b) { b.String8("K\xF6ln", Length::DWord); }, "Köln"},
        {"UTF-16 short", [](ByteBuilder& b) { b.String16(u"Grüße €"); }, "Grüße €"},
        {"UTF-16 empty", [](ByteBuilder& b) { b.String16(u""); }, ""},
        {"UTF-16 300 units", [&](ByteBuilder& b) { b.String16(w300); }, std::string(300, 'w')},
        {"UTF-16 in the 32-bit form", [](ByteBuilder& b) { b.String16(u"Dach", Length::DWord); }, "Dach"},
        // Inside the UTF-16 prefix 0xFFFE is a length, not a second marker.
        {"UTF-16 65534 units", [&](ByteBuilder& b) { b.String16(w65534, Length::Word); }, u65534},
        {"UTF-16 surrogate pair", [](ByteBuilder& b) { b.String16(u"Haus \U0001F3E0"); }, "Haus \U0001F3E0"},
        {"UTF-16 lone high surrogate at the end", [](ByteBuilder& b) { b.String16(std::u16string(u"a\xD83C")); },
         "a\uFFFD"},
        {"UTF-16 lone low surrogate", [](ByteBuilder& b) { b.String16(std::u16string(u"\xDF20x")); }, "\uFFFDx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ByteBuilder b;
        c.write(b);
        b.Int(4711); // what follows must be read from the right place
        BinaryArchive ar = Archive(b);
        EXPECT_EQ(ar.ReadString(), c.expected);
        EXPECT_EQ(ar.ReadInt(), 4711);
        EXPECT_TRUE(ar.AtEnd());
    }
}

TEST(BinaryArchive, RejectsDamagedStrings)
{
    struct Case {
        const char* name;
        ByteBuilder bytes;
        std::size_t offset;
    };
    const std::vector<Case> cases = {
        {"nothing left", ByteBuilder(), 0},
        {"body cut short", ByteBuilder().Byte(5).Raw("abc"), 1},
        {"16-bit length cut short", ByteBuilder().Byte(0xFF).Byte(0x01), 1},
        {"absurd 32-bit length", ByteBuilder().LengthPrefix(0xFFFFFFF0u, Length::DWord).Raw("abc"), 7},
        {"64-bit length marker", ByteBuilder().LengthPrefix(0xFFFFFFFFu, Length::DWord).Raw("abc"), 3},
        {"UTF-16 body of odd size", ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(2).Raw("abc"), 4},
        {"UTF-16 length missing", ByteBuilder().Byte(0xFF).Word(0xFFFE), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BinaryArchive ar = Archive(c.bytes);
        EXPECT_EQ(ErrorOffset([&] { ar.ReadString(); }), c.offset);
    }
}

TEST(BinaryArchive, ReadsCountsAndRejectsThoseTheFileCannotHold)
{
    {
        ByteBuilder b;
        b.Count(3).Count(0xFFFE).Count(70000).Count(5, true);
        BinaryArchive ar = Archive(b);
        EXPECT_EQ(ar.ReadCount(0), 3u);
        EXPECT_EQ(ar.ReadCount(0), 0xFFFEu);
        EXPECT_EQ(ar.ReadCount(0), 70000u);
        EXPECT_EQ(ar.ReadCount(0), 5u);
        EXPECT_TRUE(ar.AtEnd());
    }
    {
        // Exactly as many bytes as the elements need.
        ByteBuilder b;
        b.Count(3).Repeat(0, 6);
        BinaryArchive ar = Archive(b);
        EXPECT_EQ(ar.ReadCount(BinaryArchive::ObjectRefMinBytes), 3u);
    }
    struct Case {
        const char* name;
        ByteBuilder bytes;
        std::size_t minBytes;
    };
    const std::vector<Case> cases = {
        {"largest 32-bit count", ByteBuilder().Count(0xFFFFFFFFu), 1},
        {"one element too many", ByteBuilder().Count(4).Repeat(0, 7), 2},
        {"u16 count, nothing follows", ByteBuilder().Count(500), 1},
        {"huge count of points", ByteBuilder().Count(100000000).Repeat(0, 240), 24},
        {"default checks one byte each", ByteBuilder().Count(2).Repeat(0, 1), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BinaryArchive ar = Archive(c.bytes);
        if (c.minBytes == 0)
            EXPECT_EQ(ErrorOffset([&] { ar.ReadCount(); }), 0u);
        else
            EXPECT_EQ(ErrorOffset([&] { ar.ReadCount(c.minBytes); }), 0u);
    }
}

// Classes and objects share one counter from 1, and an object takes its index
// before its body is read: the class references below only hit their classes
// when the reader numbers exactly so.
TEST(BinaryArchive, NumbersNestedClassesAndObjectsWithOneCounter)
{
    ByteBuilder b;
    b.Count(3);
    b.NewClass("Zone").Int(7); //               class 1, object 2
    b.Count(3);
    b.NewClass("Plane").Double(1.5); //          class 3, object 4
    b.ClassRef(3).Double(2.5); //                object 5
    b.NullObject();
    b.ClassRef(1).Int(8); //                     object 6
    b.Count(1);
    b.ClassRef(3).Double(3.5); //                object 7
    b.NewClass("Gaube").Int(9); //               class 8, object 9
    b.Count(2);
    b.BigClassRef(8).Int(10).Count(0); //        object 10, through the big tag
    b.BigClassRef(3).Double(4.5); //             object 11

    // Reads the test document: a list of objects, each Zone or Gaube with an
    // int and a list of children, each Plane with a double.
    std::vector<std::string> seen;
    BinaryArchive ar = Archive(b);
    std::function<void()> readObject = [&] {
        const std::optional<std::string> name = ar.ReadObjectHeader();
        if (!name) {
            seen.push_back("null");
            return;
        }
        if (*name == "Plane") {
            seen.push_back("Plane " + std::to_string(ar.ReadDouble()));
            return;
        }
        seen.push_back(*name + " " + std::to_string(ar.ReadInt()));
        const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
        for (std::uint32_t i = 0; i < n; ++i)
            readObject();
    };
    const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
    for (std::uint32_t i = 0; i < n; ++i)
        readObject();

    EXPECT_TRUE(ar.AtEnd());
    const std::vector<std::string> expected = {"Zone 7",  "Plane 1.500000", "Plane 2.500000", "null",
                                               "Zone 8",  "Plane 3.500000", "Gaube 9",        "Gaube 10",
                                               "Plane 4.500000"};
    EXPECT_EQ(seen, expected);
}

TEST(BinaryArchive, AcceptsClassNamesUpTo63Characters)
{
    const std::string name63(63, 'K');
    ByteBuilder b;
    b.NewClass(name63).ClassRef(1);
    BinaryArchive ar = Archive(b);
    EXPECT_EQ(ar.ReadObjectHeader(), name63);
    EXPECT_EQ(ar.ReadObjectHeader(), name63);
}

TEST(BinaryArchive, RejectsBadObjectTags)
{
    // Each case starts after the same prefix: class 1 "Zone", object 2.
    struct Case {
        const char* name;
        ByteBuilder tail;
        std::size_t offsetInTail;
    };
    const std::vector<Case> cases = {
        {"back-reference to the first object", ByteBuilder().BackReference(2), 0},
        {"back-reference to a class index", ByteBuilder().BackReference(1), 0},
        {"highest back-reference", ByteBuilder().BackReference(0x7FFE), 0},
        {"big tag back-reference", ByteBuilder().BigTag(2), 0},
        {"big tag zero", ByteBuilder().BigTag(0), 0},
        {"class reference to an object", ByteBuilder().ClassRef(2), 0},
        {"class reference not yet numbered", ByteBuilder().ClassRef(3), 0},
        {"class reference zero", ByteBuilder().ClassRef(0), 0},
        {"big class reference to an object", ByteBuilder().BigClassRef(2), 0},
        {"big class reference out of range", ByteBuilder().BigClassRef(0x7FFFFFFF), 0},
        {"schema 2", ByteBuilder().NewClass("Plane", 2), 2},
        {"schema 0", ByteBuilder().NewClass("Plane", 0), 2},
        {"name of 64 characters", ByteBuilder().NewClass(std::string(64, 'K')), 4},
        {"empty name", ByteBuilder().NewClass(""), 4},
        {"name with a non-ASCII byte", ByteBuilder().NewClass("Zon\xE9"), 6},
        {"name with a blank", ByteBuilder().NewClass("Zo ne"), 6},
        {"name longer than the file", ByteBuilder().Word(0xFFFF).Word(1).Word(20).Raw("Plane"), 6},
        {"tag cut short", ByteBuilder().Byte(0xFF), 0},
        {"big tag cut short", ByteBuilder().Word(0x7FFF).Word(0), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ByteBuilder b;
        b.NewClass("Zone");
        const std::size_t tailAt = b.Size();
        b.Raw(std::string_view(reinterpret_cast<const char*>(c.tail.Bytes().data()), c.tail.Size()));
        BinaryArchive ar = Archive(b);
        ASSERT_EQ(ar.ReadObjectHeader(), "Zone");
        EXPECT_EQ(ErrorOffset([&] { ar.ReadObjectHeader(); }), tailAt + c.offsetInTail);
    }
}

TEST(BinaryArchive, ReadsNullReferences)
{
    ByteBuilder b;
    b.NullObject().NewClass("Zone").NullObject().ClassRef(1);
    BinaryArchive ar = Archive(b);
    EXPECT_EQ(ar.ReadObjectHeader(), std::nullopt);
    EXPECT_EQ(ar.ReadObjectHeader(), "Zone");
    EXPECT_EQ(ar.ReadObjectHeader(), std::nullopt);
    // A null reference takes no index: the class is still number 1.
    EXPECT_EQ(ar.ReadObjectHeader(), "Zone");
}

namespace {

// A document touching every form the reader knows, and the routine that
// reads it as a record class would.
ByteBuilder WholeDocument()
{
    ByteBuilder b;
    b.Int(10).String8("Musterhaus").String8("Hauptstra\xDF" "e 1").String8(std::string(300, 'x'));
    b.String8("Kommentar", Length::DWord).String16(u"Grüße €");
    b.Double(120.5).Float(2.5f).Short(-3).Byte(1);
    b.Count(3);
    b.NewClass("Zone").String8("EG");
    b.Count(2).NewClass("Plane").Double(1).Double(2).ClassRef(3).Double(3).Double(4);
    b.NullObject();
    b.BigClassRef(1).String8("OG");
    b.Count(1).ClassRef(3).Double(5).Double(6);
    b.Count(4).Double(0.1).Double(0.2).Double(0.3).Double(0.4);
    return b;
}

double ReadWholeDocument(BinaryArchive& ar)
{
    double sum = ar.ReadInt();
    for (int i = 0; i < 5; ++i)
        sum += static_cast<double>(ar.ReadString().size());
    sum += ar.ReadDouble() + ar.ReadFloat() + ar.ReadShort() + ar.ReadByte();
    std::function<void()> readObject = [&] {
        const std::optional<std::string> name = ar.ReadObjectHeader();
        if (!name)
            return;
        BinaryArchive::ObjectScope scope(ar);
        if (*name == "Plane") {
            sum += ar.ReadDouble() + ar.ReadDouble();
            return;
        }
        sum += static_cast<double>(ar.ReadString().size());
        const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
        for (std::uint32_t i = 0; i < n; ++i)
            readObject();
    };
    const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
    for (std::uint32_t i = 0; i < n; ++i)
        readObject();
    const std::uint32_t values = ar.ReadCount(8);
    for (std::uint32_t i = 0; i < values; ++i)
        sum += ar.ReadDouble();
    return sum;
}

} // namespace

TEST(BinaryArchive, TruncatedAtEveryByteGivesACleanError)
{
    const std::vector<std::uint8_t> whole = WholeDocument().Bytes();
    {
        BinaryArchive ar(whole);
        // version, UTF-8 lengths of the five strings, the four numbers, the
        // names of both zones, the points of the three planes, the values
        EXPECT_DOUBLE_EQ(ReadWholeDocument(ar), 10 + (10 + 14 + 300 + 9 + 11) + 121 + (2 + 2) + (3 + 7 + 11) + 1.0);
        EXPECT_TRUE(ar.AtEnd());
    }
    for (std::size_t n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE("truncated to " + std::to_string(n) + " bytes");
        BinaryArchive ar(std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_LE(ErrorOffset([&] { ReadWholeDocument(ar); }), n);
        EXPECT_LE(ar.Position(), n);
    }
}

TEST(BinaryArchive, LimitsTheNestingOfObjects)
{
    ByteBuilder b;
    BinaryArchive ar = Archive(b);
    std::function<void(int)> nest = [&](int depth) {
        BinaryArchive::ObjectScope scope(ar);
        if (depth > 1)
            nest(depth - 1);
    };
    EXPECT_NO_THROW(nest(BinaryArchive::MaxObjectDepth));
    EXPECT_THROW(nest(BinaryArchive::MaxObjectDepth + 1), BinaryArchiveError);
    // Leaving through the error unwinds the depth again.
    EXPECT_NO_THROW(nest(BinaryArchive::MaxObjectDepth));
}

TEST(BinaryArchive, SkipStaysInsideTheFile)
{
    ByteBuilder b;
    b.Int(1).Int(2);
    BinaryArchive ar = Archive(b);
    ar.Skip(4);
    EXPECT_EQ(ar.ReadInt(), 2);
    BinaryArchive short_ = Archive(b);
    short_.Skip(3);
    EXPECT_EQ(ErrorOffset([&] { short_.Skip(6); }), 3u);
    EXPECT_EQ(short_.Position(), 3u);
}

TEST(BinaryArchive, ReadsFromAFileAndReportsAMissingOne)
{
    ByteBuilder b;
    b.Int(10).String8("\xC4rger");
    {
        std::ofstream out("haus.zva", std::ios::binary);
        out.write(reinterpret_cast<const char*>(b.Bytes().data()), static_cast<std::streamsize>(b.Size()));
    }
    BinaryArchive ar = BinaryArchive::FromFile("haus.zva");
    EXPECT_EQ(ar.ReadInt(), 10);
    EXPECT_EQ(ar.ReadString(), "Ärger");
    EXPECT_TRUE(ar.AtEnd());

    try {
        BinaryArchive::FromFile("fehlt.zva");
        ADD_FAILURE() << "no error for a missing file";
    } catch (const BinaryArchiveError& e) {
        EXPECT_STREQ(e.what(), "Die Datei „fehlt.zva“ kann nicht gelesen werden.");
        EXPECT_EQ(e.Offset(), 0u);
    }
}
