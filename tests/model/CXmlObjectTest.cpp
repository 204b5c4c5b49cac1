// Persistent objects: member tables, base elements first, errors absorbed.
#include "model/CXmlObject.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <libxml/c14n.h>
#include <libxml/parser.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

// --- test classes ---------------------------------------------------------

class TestPunkt : public CXmlSerializable<TestPunkt> {
public:
    static constexpr const char* XmlElementName = "Punkt2D";
    static auto GetXmlMembers(TestPunkt& p)
    {
        return std::array{XmlDouble("x", p.x, XmlMember::Attribute), XmlDouble("y", p.y, XmlMember::Attribute)};
    }
    double x = 0, y = 0;
};

// An array of doubles as the demand record stores its series: "DoubleArray"
// with a "Size" attribute and one "Double" per value.
class TestDoubleArray : public CXmlObject {
public:
    bool WriteXml(CXmlArchiveFile& ar) override
    {
        if (!ar.BeginWriteElement("DoubleArray"))
            return false;
        std::int32_t size = static_cast<std::int32_t>(values.size());
        ar.WriteMember(XmlInt("Size", size, XmlMember::Attribute));
        for (double& v : values)
            ar.WriteMember(XmlDouble("Double", v));
        ar.EndWriteElement();
        return true;
    }
    bool ReadXml(CXmlArchiveFile& ar) override
    {
        if (!ar.BeginReadElement("DoubleArray"))
            return false;
        std::int32_t size = 0;
        ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
        values.assign(static_cast<std::size_t>(std::clamp(size, 0, 1000)), 0.0);
        bool result = true;
        for (double& v : values)
            result = ar.ReadMember(XmlDouble("Double", v));
        ar.EndReadElement();
        return result;
    }
    std::vector<double> values;
};

class TestBasis : public CXmlSerializable<TestBasis> {
public:
    static constexpr const char* XmlElementName = "TestBasis";
    static auto GetXmlMembers(TestBasis& b) { return std::array{XmlInt("Nummer", b.Nummer), XmlString("Name", b.Name)}; }
    std::int32_t Nummer = 0;
    std::string Name;
};

class TestBauteil : public CXmlSerializable<TestBauteil, TestBasis> {
public:
    static constexpr const char* XmlElementName = "TestBauteil";
    static auto GetXmlMembers(TestBauteil& t)
    {
        return std::array{XmlInt("Typ", t.Typ, XmlMember::Attribute),
                          XmlDouble("Flaeche", t.Flaeche),
                          XmlString("Langtext", t.Langtext),
                          XmlByte("Sanierbar", t.Sanierbar),
                          XmlObject(t.Lage),
                          XmlObject(t.Werte),
                          XmlDouble("kWert", t.kWert)};
    }
    std::int32_t Typ = 0;
    double Flaeche = 0;
    std::string Langtext;
    std::uint8_t Sanierbar = 0;
    TestPunkt Lage;
    TestDoubleArray Werte;
    double kWert = 0;
    std::string Kurzname = "W1"; // a label of the program, not stored
};

// Three levels, as the renovation measures are built.
class TestMass : public CXmlSerializable<TestMass> {
public:
    static constexpr const char* XmlElementName = "TestMass";
    static auto GetXmlMembers(TestMass& m) { return std::array{XmlString("Name", m.Name), XmlDouble("Preis", m.Preis)}; }
    std::string Name;
    double Preis = 0;
};

class TestMassOpaque : public CXmlSerializable<TestMassOpaque, TestMass> {
public:
    static constexpr const char* XmlElementName = "TestMassOpaque";
    static auto GetXmlMembers(TestMassOpaque& m) { return std::array{XmlDouble("Dicke", m.Dicke), XmlInt("Verwendung", m.Verwendung)}; }
    double Dicke = 0;
    std::int32_t Verwendung = -1;
};

// No members of its own, and no table either: the base's table must not be
// written a second time.
class TestMassBoden : public CXmlSerializable<TestMassBoden, TestMassOpaque> {
public:
    static constexpr const char* XmlElementName = "TestMassBoden";
};

// The same with an explicitly empty table.
class TestMassWand : public CXmlSerializable<TestMassWand, TestMassOpaque> {
public:
    static constexpr const char* XmlElementName = "TestMassWand";
    static std::array<XmlMember, 0> GetXmlMembers(TestMassWand&) { return {}; }
};

class TestSchicht : public CXmlSerializable<TestSchicht> {
public:
    static constexpr const char* XmlElementName = "TestSchicht";
    static auto GetXmlMembers(TestSchicht& s) { return std::array{XmlInt("Nr", s.Nr), XmlDouble("Dicke", s.Dicke), XmlString("Name", s.Name)}; }
    std::int32_t Nr = -1;
    double Dicke = -1;
    std::string Name = "vorher";
};

// --- helpers --------------------------------------------------------------

fs::path FreshFolder(const std::string& name)
{
    const fs::path folder = test::ProcessTempDir() / "xmlobject" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The canonical form (C14N 1.0, without comments) of an XML file.
std::string Canonical(const fs::path& path)
{
    xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
    if (doc == nullptr)
        return "(not well-formed: " + path.string() + ")";
    xmlChar* out = nullptr;
    const int n = xmlC14NDocDumpMemory(doc, nullptr, XML_C14N_1_0, nullptr, 0, &out);
    std::string text = n >= 0 && out != nullptr ? std::string(reinterpret_cast<char*>(out), static_cast<std::size_t>(n)) : "";
    xmlFree(out);
    xmlFreeDoc(doc);
    return text;
}

CXmlArchiveFile NewDocument(const fs::path& path = "unused.vza")
{
    return CXmlArchiveFile::CreateForWrite(path, CXmlArchiveFile::ProjektVorlage, CXmlArchiveFile::ProjektWurzel);
}

std::string Body(const CXmlArchive& ar)
{
    const std::string text = ar.ToString();
    const auto begin = text.find("<VykeZeva>");
    const auto end = text.find("</VykeZeva>");
    if (begin == std::string::npos || end == std::string::npos)
        return text;
    return text.substr(begin + 10, end - begin - 10);
}

CXmlArchiveFile ReadBody(const std::string& body)
{
    const fs::path path = FreshFolder("read") / "doc.vza";
    std::ofstream(path) << "<?xml version=\"1.0\" ?>\n<VykeZeva>" << body << "</VykeZeva>";
    return CXmlArchiveFile::OpenForRead(path, CXmlArchiveFile::ProjektWurzel);
}

TestBauteil SampleBauteil()
{
    TestBauteil t;
    t.Nummer = 7;
    t.Name = "Außenwand Süd";
    t.Typ = 3;
    t.Flaeche = 12.75;
    t.Langtext = "Mauerwerk „Ziegel“ & Putz, Wärmedämmung 0.12 m";
    t.Sanierbar = 1;
    t.Lage.x = 1.5;
    t.Lage.y = -2;
    t.Werte.values = {0.5, 1e-7, 123456.789};
    t.kWert = 0.35;
    t.Kurzname = "AW3";
    return t;
}

// --- tests ----------------------------------------------------------------

TEST(XmlObject, RoundTripMatchesTheHandWrittenDocument)
{
    const fs::path path = FreshFolder("roundtrip") / "bauteil.vza";
    const TestBauteil written = SampleBauteil();
    {
        CXmlArchiveFile file = NewDocument(path);
        TestBauteil copy = written;
        EXPECT_TRUE(copy.WriteXml(file));
        file.Commit();
    }

    const fs::path expected = fs::path(ZEVA_TEST_DATA_DIR) / "xml" / "testbauteil.xml";
    EXPECT_EQ(Canonical(path), Canonical(expected));
    EXPECT_EQ(std::system(("xmllint --noout '" + path.string() + "'").c_str()), 0);

    CXmlArchiveFile file = CXmlArchiveFile::OpenForRead(path, CXmlArchiveFile::ProjektWurzel);
    TestBauteil read;
    read.Kurzname = "bleibt";
    read.ReadXml(file);
    EXPECT_EQ(read.Nummer, written.Nummer);
    EXPECT_EQ(read.Name, written.Name);
    EXPECT_EQ(read.Typ, written.Typ);
    EXPECT_EQ(read.Flaeche, written.Flaeche);
    EXPECT_EQ(read.Langtext, written.Langtext);
    EXPECT_EQ(read.Sanierbar, written.Sanierbar);
    EXPECT_EQ(read.Lage.x, written.Lage.x);
    EXPECT_EQ(read.Lage.y, written.Lage.y);
    EXPECT_EQ(read.Werte.values, written.Werte.values);
    EXPECT_EQ(read.kWert, written.kWert);
    EXPECT_EQ(read.Kurzname, "bleibt"); // not in the table: untouched
}

TEST(XmlObject, HandWrittenDocumentReadsIntoTheObject)
{
    const fs::path expected = fs::path(ZEVA_TEST_DATA_DIR) / "xml" / "testbauteil.xml";
    CXmlArchiveFile file = CXmlArchiveFile::OpenForRead(expected, CXmlArchiveFile::ProjektWurzel);
    TestBauteil read;
    read.ReadXml(file);
    const TestBauteil sample = SampleBauteil();
    EXPECT_EQ(read.Name, sample.Name);
    EXPECT_EQ(read.Langtext, sample.Langtext);
    EXPECT_EQ(read.Werte.values, sample.Werte.values);
    EXPECT_EQ(read.kWert, sample.kWert);
}

TEST(XmlObject, BaseElementsComeFirstOnEveryLevel)
{
    TestMassBoden boden;
    boden.Name = "WLS 035";
    boden.Preis = 42.5;
    boden.Dicke = 0.1;
    boden.Verwendung = 1;
    CXmlArchiveFile file = NewDocument();
    EXPECT_TRUE(boden.WriteXml(file));
    EXPECT_EQ(Body(file.Archive()),
              "<TestMassBoden><TestMassOpaque><TestMass><Name>WLS 035</Name><Preis>42.5</Preis></TestMass>"
              "<Dicke>0.1</Dicke><Verwendung>1</Verwendung></TestMassOpaque></TestMassBoden>");

    TestMassWand wand;
    CXmlArchiveFile wandFile = NewDocument();
    wand.WriteXml(wandFile);
    EXPECT_EQ(Body(wandFile.Archive()),
              "<TestMassWand><TestMassOpaque><TestMass><Name/><Preis>0</Preis></TestMass>"
              "<Dicke>0</Dicke><Verwendung>-1</Verwendung></TestMassOpaque></TestMassWand>");

    TestMass plain;
    CXmlArchiveFile plainFile = NewDocument();
    plain.WriteXml(plainFile);
    EXPECT_EQ(Body(plainFile.Archive()), "<TestMass><Name/><Preis>0</Preis></TestMass>");
}

TEST(XmlObject, NestedBasesReadBack)
{
    CXmlArchiveFile file = ReadBody(
        "<TestMassBoden><TestMassOpaque><TestMass><Name>Estrich</Name><Preis>17</Preis></TestMass>"
        "<Dicke>0.05</Dicke><Verwendung>0</Verwendung></TestMassOpaque></TestMassBoden>");
    TestMassBoden boden;
    boden.ReadXml(file);
    EXPECT_EQ(boden.Name, "Estrich");
    EXPECT_EQ(boden.Preis, 17);
    EXPECT_EQ(boden.Dicke, 0.05);
    EXPECT_EQ(boden.Verwendung, 0);
}

TEST(XmlObject, ObjectsWrittenInSequenceAreSiblings)
{
    CXmlArchiveFile file = NewDocument();
    TestPunkt a, b;
    a.x = 1;
    b.y = 2;
    a.WriteXml(file);
    b.WriteXml(file);
    EXPECT_EQ(Body(file.Archive()), "<Punkt2D x=\"1\" y=\"0\"/><Punkt2D x=\"0\" y=\"2\"/>");
}

TEST(XmlObject, FailingMembersDoNotDerailLaterSiblings)
{
    // The first layer has letters in its number and lacks its thickness, the
    // second lacks its whole element of a nested object, the fourth is not
    // there at all: every other value still lands where it belongs.
    CXmlArchiveFile file = ReadBody(
        "<TestSchicht><Nr>zwei</Nr><Name>Putz</Name></TestSchicht>"
        "<TestSchicht><Nr>2</Nr><Dicke>0,24</Dicke><Name>Ziegel</Name></TestSchicht>"
        "<TestSchicht><Nr>3</Nr><Dicke>0.02</Dicke><Name>Gips</Name></TestSchicht>");
    TestSchicht schichten[4];
    for (TestSchicht& s : schichten)
        s.ReadXml(file);
    EXPECT_EQ(schichten[0].Nr, -1);
    EXPECT_EQ(schichten[0].Dicke, -1);
    EXPECT_EQ(schichten[0].Name, "Putz");
    EXPECT_EQ(schichten[1].Nr, 2);
    EXPECT_EQ(schichten[1].Dicke, -1);
    EXPECT_EQ(schichten[1].Name, "Ziegel");
    EXPECT_EQ(schichten[2].Nr, 3);
    EXPECT_EQ(schichten[2].Dicke, 0.02);
    EXPECT_EQ(schichten[2].Name, "Gips");
    EXPECT_EQ(schichten[3].Nr, -1);
    EXPECT_EQ(schichten[3].Name, "vorher");
    // The position is back at the root, after the last layer.
    EXPECT_EQ(file.Archive().CurrentElementName(), "VykeZeva");
    EXPECT_EQ(file.Archive().CursorElementName(), "TestSchicht");
}

TEST(XmlObject, MissingEmbeddedAndBaseElementsKeepValues)
{
    // No Punkt2D and no TestBasis: the object keeps those values, reads the
    // rest, and the following sibling is read as usual.
    CXmlArchiveFile file = ReadBody(
        "<TestBauteil Typ=\"4\"><Flaeche>3.5</Flaeche><DoubleArray Size=\"1\"><Double>9</Double></DoubleArray>"
        "<kWert>1.2</kWert></TestBauteil><Punkt2D x=\"5\" y=\"6\"/>");
    TestBauteil t = SampleBauteil();
    t.ReadXml(file);
    EXPECT_EQ(t.Nummer, 7);
    EXPECT_EQ(t.Name, "Außenwand Süd");
    EXPECT_EQ(t.Typ, 4);
    EXPECT_EQ(t.Flaeche, 3.5);
    EXPECT_EQ(t.Lage.x, 1.5);
    EXPECT_EQ(t.Werte.values, std::vector<double>{9});
    EXPECT_EQ(t.kWert, 1.2);
    TestPunkt p;
    p.ReadXml(file);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 6);
}

TEST(XmlObject, MissingObjectElementLeavesPositionForTheNextObject)
{
    CXmlArchiveFile file = ReadBody("<Punkt2D x=\"5\" y=\"6\"/>");
    TestMass fehlt;
    fehlt.Name = "bleibt";
    EXPECT_FALSE(fehlt.ReadXml(file));
    EXPECT_EQ(fehlt.Name, "bleibt");
    EXPECT_EQ(file.Archive().CurrentElementName(), "VykeZeva");
    TestPunkt p;
    p.ReadXml(file);
    EXPECT_EQ(p.x, 5);
}

} // namespace
} // namespace zeva
