// The XML archive: navigation, value text, loading, saving and XSL.
#include "model/CXmlArchive.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zeva {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

fs::path FreshFolder(const std::string& name)
{
    const fs::path folder = test::ProcessTempDir() / "xmlarchive" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The text between <VykeZeva> and </VykeZeva> of a written document.
std::string Body(const CXmlArchive& ar)
{
    const std::string text = ar.ToString();
    const auto begin = text.find("<VykeZeva>");
    const auto end = text.find("</VykeZeva>");
    if (begin == std::string::npos || end == std::string::npos)
        return text;
    return text.substr(begin + 10, end - begin - 10);
}

CXmlArchiveFile NewDocument()
{
    return CXmlArchiveFile::CreateForWrite("unused.vza", CXmlArchiveFile::ProjektVorlage,
                                           CXmlArchiveFile::ProjektWurzel);
}

// An archive file positioned inside <VykeZeva> of the given body, for reading.
CXmlArchiveFile DocumentWithBody(const std::string& body)
{
    const fs::path path = FreshFolder("body") / "doc.vza";
    WriteFile(path, "<?xml version=\"1.0\" ?>\n<VykeZeva>" + body + "</VykeZeva>");
    return CXmlArchiveFile::OpenForRead(path, "VykeZeva");
}

// --- values and text ------------------------------------------------------

TEST(XmlArchiveValues, MembersAreWrittenLocaleFree)
{
    std::uint8_t byte5 = 5, byte200 = 200;
    std::int16_t shortValue = -300;
    std::int32_t intValue = -2147483647 - 1;
    double half = 0.5, two = 2, big = 1e20, tiny = 1e-7, sum = 0.1 + 0.2, negative = -1234567.25;
    float single = 1.1f;
    std::string text = "Wärme & <Dämmung> \"ü\"";
    std::string empty;

    struct Case {
        XmlMember member;
        const char* expected;
    };
    const Case cases[] = {
        {XmlByte("B", byte5), "<B>5</B>"},
        {XmlByte("B", byte200), "<B>-56</B>"},
        {XmlShort("S", shortValue), "<S>-300</S>"},
        {XmlInt("I", intValue), "<I>-2147483648</I>"},
        {XmlDouble("D", half), "<D>0.5</D>"},
        {XmlDouble("D", two), "<D>2</D>"},
        {XmlDouble("D", big), "<D>1E+20</D>"},
        {XmlDouble("D", tiny), "<D>1E-07</D>"},
        {XmlDouble("D", sum), "<D>0.30000000000000004</D>"},
        {XmlDouble("D", negative), "<D>-1234567.25</D>"},
        {XmlFloat("F", single), "<F>1.1</F>"},
        {XmlString("T", text), "<T>Wärme &amp; &lt;Dämmung&gt; \"ü\"</T>"},
        {XmlString("T", empty), "<T/>"},
    };
    for (const Case& c : cases) {
        CXmlArchiveFile file = NewDocument();
        EXPECT_TRUE(file.WriteMember(c.member)) << c.expected;
        EXPECT_EQ(Body(file.Archive()), c.expected);
    }
}

TEST(XmlArchiveValues, WrittenNumbersReadBackExactly)
{
    const double values[] = {0.5, 2, 1e20, 1e-7, 0.1 + 0.2, -1234567.25, 1.0 / 3.0, 6.02214076e23, -0.0};
    for (double v : values) {
        CXmlArchiveFile file = NewDocument();
        double member = v;
        ASSERT_TRUE(file.WriteMember(XmlDouble("D", member)));
        file.Archive().ResetChildCursor();
        double back = 42;
        EXPECT_TRUE(file.ReadMember(XmlDouble("D", back))) << v;
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
}

TEST(XmlArchiveValues, TextIsStoredByKindAndSize)
{
    struct Case {
        const char* text; // content of <M>; nullptr: <M/>
        int kind;         // 1 byte, 2 short, 4 int, 8 double, 5 float, 3 string
        const char* expected; // member afterwards, as text
        bool result;
    };
    const Case cases[] = {
        {"5", 1, "5", true},
        {"127", 1, "127", true},
        {"-56", 1, "99", false},   // the byte 200 as written: not taken back
        {"200", 1, "99", false},
        {"12abc", 4, "99", false}, // letters: unchanged
        {"abc", 4, "99", false},
        {nullptr, 4, "99", false}, // no text at all
        {" 42 ", 4, "42", true},
        {"-17", 4, "-17", true},
        {"2147483648", 4, "99", false},
        {"40000", 2, "99", false},
        {"-32768", 2, "-32768", true},
        {"1.5", 4, "99", false},
        {"0.5", 8, "0.5", true},
        {"0,5", 8, "99", false}, // a decimal comma is never a number in a file
        {"1.5E-3", 8, "0.0015", true},
        {"2.5e+2", 8, "250", true},
        {"inf", 8, "99", false},
        {"nan", 8, "99", false},
        {"0x10", 8, "99", false},
        {"1e400", 8, "99", false},
        {"1.25", 5, "1.25", true},
        {"1e39", 5, "99", false},
        {"Öl-Brennwert", 3, "Öl-Brennwert", true},
        {nullptr, 3, "", true}, // an empty string is written as an empty element
    };
    for (const Case& c : cases) {
        const std::string body = c.text == nullptr ? "<M/>" : std::string("<M>") + c.text + "</M>";
        CXmlArchiveFile file = DocumentWithBody(body);
        std::uint8_t b = 99;
        std::int16_t s = 99;
        std::int32_t i = 99;
        double d = 99;
        float f = 99;
        std::string t = "99";
        XmlMember m;
        switch (c.kind) {
        case 1: m = XmlByte("M", b); break;
        case 2: m = XmlShort("M", s); break;
        case 4: m = XmlInt("M", i); break;
        case 8: m = XmlDouble("M", d); break;
        case 5: m = XmlFloat("M", f); break;
        default: m = XmlString("M", t); break;
        }
        EXPECT_EQ(file.ReadMember(m), c.result) << body;
        std::string actual;
        switch (c.kind) {
        case 1: actual = std::to_string(b); break;
        case 2: actual = std::to_string(s); break;
        case 4: actual = std::to_string(i); break;
        case 8: {
            std::ostringstream o;
            o.imbue(std::locale::classic());
            o << d;
            actual = o.str();
            break;
        }
        case 5: {
            std::ostringstream o;
            o.imbue(std::locale::classic());
            o << f;
            actual = o.str();
            break;
        }
        default: actual = t; break;
        }
        EXPECT_EQ(actual, c.expected) << body;
    }
}

TEST(XmlArchiveValues, CharacterBufferKeepsRoomForTheTerminator)
{
    CXmlArchiveFile file = DocumentWithBody("<K>Kalk</K><L>Kalksandstein</L><U>Größe</U>");
    char exact[5];
    std::memset(exact, 'x', sizeof exact);
    EXPECT_TRUE(file.ReadMember(XmlCharBuffer("K", exact, sizeof exact)));
    EXPECT_STREQ(exact, "Kalk");

    char shortBuffer[6];
    EXPECT_FALSE(file.ReadMember(XmlCharBuffer("L", shortBuffer, sizeof shortBuffer)));
    EXPECT_STREQ(shortBuffer, "Kalks");

    // "Größe": "Gr" + two bytes of "ö" + two of "ß" + "e"; five bytes of room
    // would cut "ß" in half.
    char utf8[6];
    EXPECT_FALSE(file.ReadMember(XmlCharBuffer("U", utf8, sizeof utf8)));
    EXPECT_STREQ(utf8, "Grö");

    CXmlArchiveFile out = NewDocument();
    char buffer[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}; // no terminator: the size bounds it
    EXPECT_TRUE(out.WriteMember(XmlCharBuffer("B", buffer, sizeof buffer)));
    EXPECT_EQ(Body(out.Archive()), "<B>abcdefgh</B>");
}

TEST(XmlArchiveValues, TextThatXmlCannotCarryIsMadeSafe)
{
    std::string text = std::string("A\x01" "B\tC\xff" "D\xc3\xa4");
    CXmlArchiveFile file = NewDocument();
    EXPECT_TRUE(file.WriteMember(XmlString("T", text)));
    // The document stays well-formed and reads back.
    CXmlArchive check;
    EXPECT_NO_THROW(check.LoadXML(file.Archive().ToString()));
    file.Archive().ResetChildCursor();
    std::string back;
    EXPECT_TRUE(file.ReadMember(XmlString("T", back)));
    EXPECT_EQ(back, "AB\tC\xEF\xBF\xBD" "D\xc3\xa4");
}

TEST(XmlArchiveValues, NonFiniteNumbersAreNotWritten)
{
    double inf = std::numeric_limits<double>::infinity();
    CXmlArchiveFile file = NewDocument();
    EXPECT_FALSE(file.WriteMember(XmlDouble("D", inf)));
    EXPECT_EQ(Body(file.Archive()), "<D/>");
}

TEST(XmlArchiveValues, AttributesAreWrittenOnTheOwnElement)
{
    CXmlArchiveFile file = NewDocument();
    double x = 1.5, y = 2;
    ASSERT_TRUE(file.BeginWriteElement("Punkt2D"));
    EXPECT_TRUE(file.WriteMember(XmlDouble("x", x, XmlMember::Attribute)));
    EXPECT_TRUE(file.WriteMember(XmlDouble("y", y, XmlMember::Attribute)));
    EXPECT_TRUE(file.EndWriteElement());
    EXPECT_EQ(Body(file.Archive()), "<Punkt2D x=\"1.5\" y=\"2\"/>");
}

TEST(XmlArchiveValues, AttributeReadsStoreButReportFalse)
{
    CXmlArchiveFile file = DocumentWithBody("<Punkt2D x=\"1.5\" y=\"zwei\"/>");
    ASSERT_TRUE(file.BeginReadElement("Punkt2D"));
    double x = 0, y = 7, z = 9;
    EXPECT_FALSE(file.ReadMember(XmlDouble("x", x, XmlMember::Attribute)));
    EXPECT_FALSE(file.ReadMember(XmlDouble("y", y, XmlMember::Attribute)));
    EXPECT_FALSE(file.ReadMember(XmlDouble("z", z, XmlMember::Attribute)));
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(y, 7); // not a number: unchanged
    EXPECT_EQ(z, 9); // missing: unchanged
    EXPECT_TRUE(file.EndReadElement());
}

// --- navigation -----------------------------------------------------------

TEST(XmlArchiveNavigation, CreateAfterEndElementInsertsRightAfterTheClosedElement)
{
    CXmlArchive ar;
    ar.LoadXML("<r><a/><b/><c/></r>");
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.FindChildElement("a"));
    ASSERT_TRUE(ar.DescendToCursor());
    ASSERT_TRUE(ar.EndElement());
    EXPECT_EQ(ar.CursorElementName(), "a");
    ASSERT_TRUE(ar.CreateChildElement("neu", std::string("1")));
    ASSERT_TRUE(ar.CreateChildElement("neu2"));
    const std::string text = ar.ToString();
    EXPECT_NE(text.find("<r><a/><neu>1</neu><neu2/><b/><c/></r>"), std::string::npos) << text;
}

TEST(XmlArchiveNavigation, CreateWithoutCursorAppends)
{
    CXmlArchive ar;
    ar.LoadXML("<r><a/></r>");
    EXPECT_FALSE(ar.CreateChildElement("x")); // no current element yet
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.CreateChildElement("z"));
    EXPECT_FALSE(ar.CreateChildElement("kein Name"));
    EXPECT_NE(ar.ToString().find("<r><a/><z/></r>"), std::string::npos);
}

TEST(XmlArchiveNavigation, FindChildElementSkipsTextAndOtherNames)
{
    CXmlArchive ar;
    ar.LoadXML("<r>Text<a/><!-- c --> <b>1</b><?pi x?><b>2</b>Ende</r>");
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.FindChildElement("b"));
    EXPECT_EQ(ar.GetChildText(), "1");
    ASSERT_TRUE(ar.FindChildElement("b"));
    EXPECT_EQ(ar.GetChildText(), "2");
    EXPECT_FALSE(ar.FindChildElement("b"));
    EXPECT_EQ(ar.GetChildText(), "2"); // a failed search keeps the cursor

    ar.ResetChildCursor();
    ASSERT_TRUE(ar.FindChildElement(""));
    EXPECT_EQ(ar.CursorElementName(), "a");
    ASSERT_TRUE(ar.FindChildElement(""));
    EXPECT_EQ(ar.CursorElementName(), "b");
    EXPECT_FALSE(ar.FindChildElement("B")); // names are case-sensitive
}

TEST(XmlArchiveNavigation, FindChildElementWithoutCurrentTakesTheRoot)
{
    CXmlArchive ar;
    ar.LoadXML("<?xml version=\"1.0\"?><!-- vorne --><r><a>x</a></r>");
    ASSERT_TRUE(ar.FindChildElement("a"));
    EXPECT_EQ(ar.CurrentElementName(), "r");
    EXPECT_EQ(ar.GetChildText(), "x");
}

TEST(XmlArchiveNavigation, DescendWithoutCursorTakesTheNextChild)
{
    CXmlArchive ar;
    ar.LoadXML("<r> <a><x/></a><b/></r>");
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.DescendToCursor());
    EXPECT_EQ(ar.CurrentElementName(), "a");
    EXPECT_EQ(ar.CursorElementName(), "");
    ASSERT_TRUE(ar.EndElement());
    // The element just left is the cursor: descending enters it again.
    ASSERT_TRUE(ar.DescendToCursor());
    EXPECT_EQ(ar.CurrentElementName(), "a");
    ASSERT_TRUE(ar.EndElement());
    ASSERT_TRUE(ar.FindChildElement(""));
    ASSERT_TRUE(ar.DescendToCursor());
    EXPECT_EQ(ar.CurrentElementName(), "b");
    EXPECT_FALSE(ar.DescendToCursor()); // b has no children
    EXPECT_EQ(ar.CurrentElementName(), "b");
}

TEST(XmlArchiveNavigation, EndElementStopsAtTheDocument)
{
    CXmlArchive ar;
    EXPECT_THROW(ar.EndElement(), CXmlArchiveUsageError);
    EXPECT_THROW(ar.GetChildText(), CXmlArchiveUsageError);
    EXPECT_THROW(ar.GetChildAttribute("a"), CXmlArchiveUsageError);
    EXPECT_THROW(ar.SetChildText("a"), CXmlArchiveUsageError);
    ar.LoadXML("<r/>");
    ASSERT_TRUE(ar.FindElement("r"));
    EXPECT_TRUE(ar.EndElement()); // to the document node
    EXPECT_EQ(ar.CursorElementName(), "r");
    EXPECT_FALSE(ar.EndElement());
    EXPECT_FALSE(ar.CreateChildElement("zweiteWurzel"));
    EXPECT_NO_THROW(CXmlArchive().LoadXML(ar.ToString()));
}

TEST(XmlArchiveNavigation, FindElementWalksSiblings)
{
    CXmlArchive ar;
    ar.LoadXML("<r><a/><b n=\"1\"/><a/><b n=\"2\"/></r>");
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.DescendToCursor());
    EXPECT_EQ(ar.CurrentElementName(), "a");
    ASSERT_TRUE(ar.FindElement("b"));
    EXPECT_EQ(ar.GetAttribute("n"), "1");
    ASSERT_TRUE(ar.FindElement("b"));
    EXPECT_EQ(ar.GetAttribute("n"), "2");
    EXPECT_FALSE(ar.FindElement("b"));
    EXPECT_EQ(ar.GetAttribute("n"), "2");
    EXPECT_EQ(ar.GetAttribute("fehlt"), "");
}

TEST(XmlArchiveNavigation, SetChildTextReplacesTextAndMakesCData)
{
    CXmlArchive ar;
    ar.LoadXML("<r/>");
    ASSERT_TRUE(ar.FindElement("r"));
    ASSERT_TRUE(ar.CreateChildElement("t", std::string("alt")));
    EXPECT_TRUE(ar.SetChildText("neu"));
    EXPECT_EQ(ar.GetChildText(), "neu");
    EXPECT_TRUE(ar.SetChildText("<b>fett</b>", true));
    EXPECT_NE(ar.ToString().find("<t><![CDATA[<b>fett</b>]]></t>"), std::string::npos) << ar.ToString();
    EXPECT_EQ(ar.GetChildText(), std::nullopt); // CDATA is not element text

    ASSERT_TRUE(ar.CreateChildElement("leer"));
    EXPECT_TRUE(ar.SetChildText("x"));
    EXPECT_EQ(ar.GetChildText(), "x");

    ar.LoadXML("<r><t><k/>text</t></r>");
    ASSERT_TRUE(ar.FindChildElement("t"));
    EXPECT_FALSE(ar.SetChildText("x")); // first child is an element
    EXPECT_EQ(ar.GetChildText(), "text");
    EXPECT_EQ(ar.GetChildAttribute("a"), "");
}

TEST(XmlArchiveNavigation, MissingMemberElementLeavesMemberAndPosition)
{
    CXmlArchiveFile file = DocumentWithBody("<O><A>1</A><C>3</C></O><P>9</P>");
    ASSERT_TRUE(file.BeginReadElement("O"));
    std::int32_t a = 0, b = 22, c = 0;
    EXPECT_TRUE(file.ReadMember(XmlInt("A", a)));
    EXPECT_FALSE(file.ReadMember(XmlInt("B", b)));
    EXPECT_EQ(file.Archive().CursorElementName(), "A");
    EXPECT_TRUE(file.ReadMember(XmlInt("C", c)));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 22);
    EXPECT_EQ(c, 3);
    EXPECT_FALSE(file.BeginReadElement("Fehlt"));
    EXPECT_EQ(file.Archive().CurrentElementName(), "O");
    EXPECT_TRUE(file.EndReadElement());
    std::int32_t p = 0;
    EXPECT_TRUE(file.ReadMember(XmlInt("P", p)));
    EXPECT_EQ(p, 9);
}

// --- loading and errors ---------------------------------------------------

TEST(XmlArchiveErrors, LoadXmlOfBrokenTextRaisesWithParserPosition)
{
    CXmlArchive ar;
    try {
        ar.LoadXML("<a>");
        FAIL() << "no exception";
    } catch (const CXmlArchiveException& e) {
        EXPECT_EQ(e.File(), "");
        EXPECT_EQ(e.Line(), 1);
        EXPECT_GT(e.Position(), 0);
        EXPECT_FALSE(e.Reason().empty());
        char expected[512];
        std::snprintf(expected, sizeof expected, "Error 0x%.8X in file , line 1, position %d\r\nReason: %s",
                      e.Code(), e.Position(), e.Reason().c_str());
        EXPECT_EQ(e.GetErrorMessage(), expected);
        const std::string message = e.GetErrorMessage();
        ASSERT_GE(message.size(), 18u);
        EXPECT_EQ(message.substr(0, 8), "Error 0x");
        EXPECT_EQ(message.substr(8, 8).find_first_not_of("0123456789ABCDEF"), std::string::npos) << message;
        EXPECT_EQ(message.compare(16, 28, " in file , line 1, position "), 0) << message;
        EXPECT_NE(message.find("\r\nReason: "), std::string::npos);
        EXPECT_STREQ(e.what(), expected);

        char small[12];
        unsigned help = 77;
        EXPECT_TRUE(e.GetErrorMessage(small, sizeof small, &help));
        EXPECT_EQ(help, 0u);
        EXPECT_EQ(std::string(small), std::string(expected).substr(0, 11));
        EXPECT_TRUE(e.GetErrorMessage(nullptr, 0, nullptr));
    }
}

TEST(XmlArchiveErrors, BrokenDocumentsRaise)
{
    const char* texts[] = {"", "kein XML", "<a></b>", "<a x=1/>", "<a/><b/>", "<a>&undefiniert;</a>"};
    for (const char* text : texts) {
        CXmlArchive ar;
        EXPECT_THROW(ar.LoadXML(text), CXmlArchiveException) << text;
    }
}

TEST(XmlArchiveErrors, LoadNamesTheFile)
{
    const fs::path folder = FreshFolder("load");
    CXmlArchive ar;
    try {
        ar.Load(folder / "fehlt.vza");
        FAIL();
    } catch (const CXmlArchiveException& e) {
        EXPECT_EQ(e.File(), (folder / "fehlt.vza").string());
        EXPECT_EQ(e.Reason(), std::strerror(ENOENT));
    }

    WriteFile(folder / "kaputt.vza", "<?xml version=\"1.0\"?>\n<VykeZeva>\n<Haus>\n</VykeZeva>");
    try {
        ar.Load(folder / "kaputt.vza");
        FAIL();
    } catch (const CXmlArchiveException& e) {
        EXPECT_EQ(e.File(), (folder / "kaputt.vza").string());
        EXPECT_EQ(e.Line(), 4);
        EXPECT_NE(e.GetErrorMessage().find("in file " + (folder / "kaputt.vza").string() + ", line 4,"),
                  std::string::npos);
    }
}

TEST(XmlArchiveErrors, WrongRootElementRaises)
{
    const fs::path path = FreshFolder("root") / "fremd.xml";
    WriteFile(path, "<?xml version=\"1.0\"?><Fremd><VykeZeva/></Fremd>");
    try {
        CXmlArchiveFile::OpenForRead(path, "VykeZeva");
        FAIL();
    } catch (const CXmlArchiveException& e) {
        EXPECT_EQ(e.File(), path.string());
        EXPECT_NE(e.Reason().find("VykeZeva"), std::string::npos);
    }
    EXPECT_THROW(CXmlArchiveFile::CreateForWrite(path, "<Fremd/>", "VykeZeva"), CXmlArchiveException);
    EXPECT_THROW(CXmlArchiveFile::CreateForWrite(path, "<VykeZeva>", "VykeZeva"), CXmlArchiveException);
}

TEST(XmlArchiveErrors, ExternalEntitiesAndDtdsAreNotLoaded)
{
    const fs::path folder = FreshFolder("xxe");
    WriteFile(folder / "geheim.txt", "GEHEIM");
    const std::string uri = "file://" + (folder / "geheim.txt").string();
    const std::string text = "<!DOCTYPE r [<!ENTITY e SYSTEM \"" + uri + "\">]><r><t>&e;</t></r>";
    WriteFile(folder / "doc.xml", text);
    CXmlArchive ar;
    ASSERT_NO_THROW(ar.Load(folder / "doc.xml"));
    ASSERT_TRUE(ar.FindChildElement("t"));
    EXPECT_EQ(ar.GetChildText(), std::nullopt);
    EXPECT_EQ(ar.ToString().find("GEHEIM"), std::string::npos);

    WriteFile(folder / "extern.dtd", "<!ENTITY d \"AUS-DTD\">");
    const std::string withDtd = "<!DOCTYPE r SYSTEM \"" + (folder / "extern.dtd").string() + "\"><r><t>x</t></r>";
    ASSERT_NO_THROW(ar.LoadXML(withDtd));
    EXPECT_EQ(ar.ToString().find("AUS-DTD"), std::string::npos);
}

// --- writing files --------------------------------------------------------

TEST(XmlArchiveFileWriting, NothingIsOnDiskBeforeCommit)
{
    const fs::path path = FreshFolder("commit") / "projekt.vza";
    {
        CXmlArchiveFile file = CXmlArchiveFile::CreateForWrite(path, CXmlArchiveFile::ProjektVorlage,
                                                                CXmlArchiveFile::ProjektWurzel);
        std::int32_t v = 10;
        ASSERT_TRUE(file.BeginWriteElement("Haus"));
        file.WriteMember(XmlInt("Version", v));
        file.EndWriteElement();
        EXPECT_FALSE(fs::exists(path));
        file.Commit();
        EXPECT_TRUE(fs::exists(path));
    }
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("<VykeZeva><Haus><Version>10</Version></Haus></VykeZeva>"), std::string::npos) << text;

    {
        // Dropped without Commit: the file on disk stays as it is.
        CXmlArchiveFile file = CXmlArchiveFile::CreateForWrite(path, CXmlArchiveFile::ProjektVorlage,
                                                                CXmlArchiveFile::ProjektWurzel);
        file.BeginWriteElement("Anderes");
    }
    EXPECT_EQ(ReadFile(path), text);

    CXmlArchiveFile reading = CXmlArchiveFile::OpenForRead(path, CXmlArchiveFile::ProjektWurzel);
    EXPECT_FALSE(reading.IsStoring());
    EXPECT_THROW(reading.Commit(), CXmlArchiveUsageError);
    // Only the file is left in the folder: no temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

TEST(XmlArchiveFileWriting, SaveIntoAnImpossiblePlaceNamesTheFile)
{
    const fs::path folder = FreshFolder("unwritable");
    WriteFile(folder / "datei", "kein Ordner");
    const fs::path paths[] = {folder / "datei" / "projekt.vza", folder / "fehlt" / "projekt.vza"};
    for (const fs::path& path : paths) {
        CXmlArchive ar;
        ar.LoadXML("<VykeZeva/>");
        try {
            ar.Save(path);
            FAIL() << path;
        } catch (const CXmlArchiveException& e) {
            EXPECT_EQ(e.File(), path.string());
            EXPECT_NE(e.GetErrorMessage().find(path.string()), std::string::npos);
            EXPECT_FALSE(e.Reason().empty());
        }
    }
    EXPECT_EQ(ReadFile(folder / "datei"), "kein Ordner");
}

TEST(XmlArchiveFileWriting, FailedSaveLeavesThePreviousFileByteIdentical)
{
    const fs::path folder = FreshFolder("atomic");
    const fs::path path = folder / "projekt.vza";
    const std::string previous = "<?xml version=\"1.0\"?>\n<VykeZeva><Haus/></VykeZeva>\n";
    WriteFile(path, previous);
    ::chmod(path.c_str(), 0640);

    CXmlArchiveFile file = CXmlArchiveFile::CreateForWrite(path, CXmlArchiveFile::ProjektVorlage,
                                                            CXmlArchiveFile::ProjektWurzel);
    std::string big(100000, 'x');
    file.WriteMember(XmlString("Kommentar", big));

    // A file size limit makes the write fail half-way, for root as well.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = old;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool raised = false;
    std::string message;
    try {
        file.Commit();
    } catch (const CXmlArchiveException& e) {
        raised = true;
        message = e.GetErrorMessage();
        EXPECT_EQ(e.File(), path.string());
        EXPECT_EQ(e.Reason(), std::strerror(EFBIG));
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(raised);
    EXPECT_NE(message.find(path.string()), std::string::npos);
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // Without the limit the same save replaces the file and keeps its mode.
    file.Commit();
    EXPECT_NE(ReadFile(path).find(big), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// --- XSL ------------------------------------------------------------------

fs::path WriteStylesheet(const fs::path& folder)
{
    const fs::path sheet = folder / "zwei.xsl";
    WriteFile(sheet,
              "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"><xsl:output method=\"text\" encoding=\"UTF-8\"/>\n"
              "<xsl:template match=\"/\">Haus: <xsl:value-of select=\"VykeZeva/Haus/Name\"/>, <xsl:value-of select=\"count(//Wand)\"/> Wände</xsl:template></xsl:stylesheet>\n");
    return sheet;
}

TEST(XmlArchiveXsl, TransformsTheDocumentIntoAStream)
{
    const fs::path folder = FreshFolder("xsl");
    CXmlArchive ar;
    ar.LoadXML("<VykeZeva><Haus><Name>Müller</Name><Wand/><Wand/></Haus></VykeZeva>");
    ar.InitXsl();
    ASSERT_TRUE(ar.LoadStylesheet(WriteStylesheet(folder)));
    std::ostringstream out;
    EXPECT_TRUE(ar.TransformToStream(out));
    EXPECT_EQ(out.str(), "Haus: Müller, 2 Wände");

    // A sheet that cannot be loaded leaves the previous one.
    WriteFile(folder / "kaputt.xsl", "<xsl:stylesheet");
    EXPECT_FALSE(ar.LoadStylesheet(folder / "kaputt.xsl"));
    EXPECT_FALSE(ar.LoadStylesheet(folder / "fehlt.xsl"));
    std::ostringstream again;
    EXPECT_TRUE(ar.TransformToStream(again));
    EXPECT_EQ(again.str(), out.str());

    ar.ReleaseXsl();
    std::ostringstream released;
    EXPECT_FALSE(ar.TransformToStream(released));
    EXPECT_EQ(released.str(), "");
}

TEST(XmlArchiveXsl, WithoutStylesheetNothingIsWritten)
{
    const fs::path folder = FreshFolder("xsl-none");
    CXmlArchive ar;
    ar.LoadXML("<VykeZeva/>");
    std::ostringstream out;
    EXPECT_NO_THROW(EXPECT_FALSE(ar.TransformToStream(out)));
    ar.InitXsl();
    EXPECT_NO_THROW(EXPECT_FALSE(ar.TransformToStream(out)));
    EXPECT_EQ(out.str(), "");

    CXmlArchive notInitialised;
    notInitialised.LoadXML("<VykeZeva/>");
    EXPECT_FALSE(notInitialised.LoadStylesheet(WriteStylesheet(folder)));
    EXPECT_FALSE(notInitialised.TransformToStream(out));
    EXPECT_EQ(out.str(), "");
}

TEST(XmlArchiveXsl, StylesheetsCannotWriteFiles)
{
    const fs::path folder = FreshFolder("xsl-write");
    const fs::path target = folder / "geschrieben.txt";
    WriteFile(folder / "schreibt.xsl",
              "<xsl:stylesheet version=\"1.1\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
              "<xsl:template match=\"/\"><xsl:document href=\"" + target.string() + "\" method=\"text\">x</xsl:document>fertig</xsl:template>"
              "</xsl:stylesheet>");
    CXmlArchive ar;
    ar.LoadXML("<VykeZeva/>");
    ar.InitXsl();
    ASSERT_TRUE(ar.LoadStylesheet(folder / "schreibt.xsl"));
    std::ostringstream out;
    EXPECT_FALSE(ar.TransformToStream(out));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(out.str(), "");
}

} // namespace
} // namespace zeva
