#include "model/CObjektArray.h"
#include "model/CXmlDoubleArray.h"
#include "model/CXmlObjektArray.h"
#include "model/DatensatzTestHilfen.h"
#include "model/Punkt2DArray.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"
#include "platform/ByteBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace zeva {

// Records of the tests: a plain one, and one whose array copy is a function
// of its own (like the renovation measures, whose Kopiere also takes row
// flags that assignment leaves alone).
class TestSatz : public CXmlSerializable<TestSatz> {
public:
    static constexpr const char* XmlElementName = "TestSatz";
    static auto GetXmlMembers(TestSatz& s)
    {
        return std::array{XmlInt("Nummer", s.Nummer), XmlString("Name", s.Name)};
    }
    void Serialize(BinaryArchive& ar) override
    {
        Nummer = ar.ReadInt();
        Name = ar.ReadString();
    }

    std::int32_t Nummer = -1;
    std::string Name = "neu";
};

class AndererSatz : public CXmlSerializable<AndererSatz> {
public:
    static constexpr const char* XmlElementName = "AndererSatz";
    static auto GetXmlMembers(AndererSatz& s) { return std::array{XmlInt("Wert", s.Wert)}; }
    void Serialize(BinaryArchive& ar) override { Wert = ar.ReadInt(); }
    std::int32_t Wert = 0;
};

struct ZeilenSatz {
    ZeilenSatz() = default;
    ZeilenSatz(const ZeilenSatz&) = default;
    ZeilenSatz& operator=(const ZeilenSatz& o)
    {
        Wert = o.Wert; // the row flag is not part of the record's value
        return *this;
    }
    int Wert = 0;
    bool Zeile = false;
};

template <>
struct ObjektArrayKopie<ZeilenSatz> {
    static void Kopiere(ZeilenSatz& ziel, const ZeilenSatz& quelle)
    {
        ziel.Wert = quelle.Wert;
        ziel.Zeile = quelle.Zeile;
    }
};

namespace {

using CTestSatzArray = CXmlObjektArray<TestSatz>;

TestSatz Satz(int nummer, std::string name)
{
    TestSatz s;
    s.Nummer = nummer;
    s.Name = std::move(name);
    return s;
}

// --- the owning array -------------------------------------------------------

TEST(CObjektArray, WachsenUndSchrumpfen)
{
    CObjektArray<TestSatz> a;
    a.SetSize(3);
    ASSERT_EQ(a.size(), 3u);
    for (const TestSatz& s : a)
        EXPECT_EQ(s.Nummer, -1);
    a[0].Nummer = 1;
    a[1].Nummer = 2;
    EXPECT_EQ(a[2].Nummer, -1); // distinct records
    a.SetSize(1);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0].Nummer, 1);
    a.SetSize(2);
    EXPECT_EQ(a[1].Nummer, -1); // a new default record, not the deleted one
}

TEST(CObjektArray, ZuweisungKopiertTief)
{
    CObjektArray<TestSatz> a;
    a.Add(Satz(1, "eins"));
    a.Add(Satz(2, "zwei"));
    CObjektArray<TestSatz> b;
    b.SetSize(5);
    b = a;
    ASSERT_EQ(b.size(), a.size());
    b[0].Name = "geaendert";
    EXPECT_EQ(a[0].Name, "eins");
    EXPECT_EQ(b[1].Name, "zwei");

    CObjektArray<TestSatz> c(a);
    c[1].Nummer = 99;
    EXPECT_EQ(a[1].Nummer, 2);

    const CObjektArray<TestSatz>& selbst = a;
    a = selbst;
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[1].Name, "zwei");

    // Between the plain working array and the persistent one, both ways.
    CTestSatzArray persistent;
    persistent = a;
    EXPECT_EQ(persistent.size(), 2u);
    persistent[0].Nummer = 7;
    CObjektArray<TestSatz> arbeit;
    arbeit = persistent;
    EXPECT_EQ(arbeit[0].Nummer, 7);
    EXPECT_EQ(a[0].Nummer, 1);
}

TEST(CObjektArray, ZuweisungNimmtDieKopieDesSatzes)
{
    ZeilenSatz mitZeile;
    mitZeile.Wert = 3;
    mitZeile.Zeile = true;
    CObjektArray<ZeilenSatz> a;
    a.Add(mitZeile);
    a.InsertAt(0, mitZeile);
    a.SetAtGrow(2, mitZeile);
    for (const ZeilenSatz& s : a)
        EXPECT_TRUE(s.Zeile);

    CObjektArray<ZeilenSatz> b;
    b.SetSize(1);
    b = a;
    ASSERT_EQ(b.size(), 3u);
    for (const ZeilenSatz& s : b) {
        EXPECT_EQ(s.Wert, 3);
        EXPECT_TRUE(s.Zeile);
    }
}

TEST(CObjektArray, EinfuegenEntfernenSetzen)
{
    CObjektArray<TestSatz> a;
    a.Add(Satz(1, "a"));
    a.Add(Satz(2, "b"));
    a.InsertAt(1, Satz(9, "x"), 2);
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].Nummer, 1);
    EXPECT_EQ(a[1].Nummer, 9);
    EXPECT_EQ(a[2].Nummer, 9);
    EXPECT_EQ(a[3].Nummer, 2);
    a[1].Nummer = 8;
    EXPECT_EQ(a[2].Nummer, 9); // copies, not one shared record

    a.InsertAt(6, Satz(5, "hinten")); // past the end: grows with default records
    ASSERT_EQ(a.size(), 7u);
    EXPECT_EQ(a[4].Nummer, -1);
    EXPECT_EQ(a[5].Nummer, -1);
    EXPECT_EQ(a[6].Nummer, 5);

    a.RemoveAt(1, 2);
    ASSERT_EQ(a.size(), 5u);
    EXPECT_EQ(a[1].Nummer, 2);
    a.RemoveAt(3, 100); // cut to what is there
    EXPECT_EQ(a.size(), 3u);
    a.RemoveAt(10);
    EXPECT_EQ(a.size(), 3u);

    a.SetAtGrow(a.size(), Satz(4, "angehaengt"));
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a.back().Nummer, 4);
    a.SetAtGrow(0, Satz(0, "ersetzt"));
    EXPECT_EQ(a.front().Name, "ersetzt");
    a.SetAtGrow(6, Satz(6, "weit"));
    ASSERT_EQ(a.size(), 7u);
    EXPECT_EQ(a[5].Nummer, -1);

    a.RemoveAt(0, a.size());
    EXPECT_TRUE(a.empty());
}

// A record of the array itself may be appended or set: the array grows and
// moves its records while the value is still being read.
TEST(CObjektArray, EinEigenerSatzAlsWert)
{
    CObjektArray<TestSatz> a;
    a.Add(Satz(1, "erster"));
    for (int i = 0; i < 100; ++i)
        a.Add(a[0]);
    ASSERT_EQ(a.size(), 101u);
    EXPECT_EQ(a.back().Name, "erster");

    a.SetAtGrow(a.size() + 200, a[0]);
    ASSERT_EQ(a.size(), 302u);
    EXPECT_EQ(a.back().Name, "erster");
    a.SetAtGrow(5, a[0]);
    EXPECT_EQ(a[5].Nummer, 1);
}

// --- persistent arrays --------------------------------------------------------

TEST(CXmlObjektArray, XmlForm)
{
    CTestSatzArray leer;
    EXPECT_EQ(test::XmlVon(leer), "<TestSatzArray Size=\"0\"/>");

    CTestSatzArray zwei;
    zwei.Add(Satz(1, "eins"));
    zwei.Add(Satz(2, "zwei"));
    EXPECT_EQ(test::XmlVon(zwei),
              "<TestSatzArray Size=\"2\"><TestSatz><Nummer>1</Nummer><Name>eins</Name></TestSatz>"
              "<TestSatz><Nummer>2</Nummer><Name>zwei</Name></TestSatz></TestSatzArray>");
}

TEST(CXmlObjektArray, LesenErgibtGenauDieGeschriebenenSaetze)
{
    CTestSatzArray drei;
    drei.Add(Satz(1, "eins"));
    drei.Add(Satz(2, "zwei"));
    drei.Add(Satz(3, "drei"));
    CTestSatzArray fuenf;
    fuenf.SetSize(5);
    fuenf[4].Name = "ueberzaehlig";
    test::LiesXml(test::XmlVon(drei), fuenf);
    ASSERT_EQ(fuenf.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fuenf[i].Nummer, drei[i].Nummer);
        EXPECT_EQ(fuenf[i].Name, drei[i].Name);
    }

    CTestSatzArray voll;
    voll.SetSize(2);
    test::LiesXml("<TestSatzArray Size=\"0\"/>", voll);
    EXPECT_TRUE(voll.empty());

    // Without its element the array stays as it was.
    CTestSatzArray bleibt;
    bleibt.Add(Satz(5, "fuenf"));
    test::LiesXml("<AndererSatzArray Size=\"0\"/>", bleibt);
    ASSERT_EQ(bleibt.size(), 1u);
    EXPECT_EQ(bleibt[0].Name, "fuenf");
}

// A record holding an array and a member after it, to see that the document
// position after the array is right whatever its size attribute says.
class Huelle : public CXmlSerializable<Huelle> {
public:
    static constexpr const char* XmlElementName = "Huelle";
    static auto GetXmlMembers(Huelle& h) { return std::array{XmlObject(h.Saetze), XmlInt("Danach", h.Danach)}; }
    CTestSatzArray Saetze;
    std::int32_t Danach = 0;
};

TEST(CXmlObjektArray, UnbrauchbaresSizeNimmtDieVorhandenenSaetze)
{
    const std::string saetze = "<TestSatz><Nummer>1</Nummer></TestSatz><TestSatz><Nummer>2</Nummer></TestSatz>"
                               "<TestSatz><Nummer>3</Nummer></TestSatz>";
    struct Case {
        const char* was;
        std::string kopf;
        std::size_t erwartet;
    };
    const Case cases[] = {
        {"fehlt", "<TestSatzArray>", 3},
        {"keine Zahl", "<TestSatzArray Size=\"drei\">", 3},
        {"negativ", "<TestSatzArray Size=\"-4\">", 3},
        {"riesig", "<TestSatzArray Size=\"2000000000\">", 3},
        {"zu gross", "<TestSatzArray Size=\"4\">", 3},
        {"kleiner als vorhanden", "<TestSatzArray Size=\"1\">", 1},
        {"passend", "<TestSatzArray Size=\"3\">", 3},
    };
    for (const Case& c : cases) {
        Huelle h;
        test::LiesXml("<Huelle>" + c.kopf + saetze + "<AndererSatz/></TestSatzArray><Danach>42</Danach></Huelle>", h);
        ASSERT_EQ(h.Saetze.size(), c.erwartet) << c.was;
        for (std::size_t i = 0; i < c.erwartet; ++i)
            EXPECT_EQ(h.Saetze[i].Nummer, static_cast<int>(i) + 1) << c.was;
        EXPECT_EQ(h.Danach, 42) << c.was;
    }
}

TEST(CXmlObjektArray, BinaereObjektliste)
{
    RuntimeClassRegistry::Instance().Register<TestSatz>("TestSatz");
    RuntimeClassRegistry::Instance().Register<AndererSatz>("AndererSatz");

    // Three records: the first names its class (map index 1, the object 2),
    // the others refer to the class; a null reference in between.
    test::ByteBuilder b;
    b.Count(4);
    b.NewClass("TestSatz").Int(1).String8("eins");
    b.ClassRef(1).Int(2).String8("zwei");
    b.NullObject();
    b.ClassRef(1).Int(3).String8("drei");
    BinaryArchive ar(b.Bytes());
    CTestSatzArray a;
    a.Add(Satz(99, "vorher"));
    a.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].Name, "eins");
    EXPECT_EQ(a[1].Nummer, 2);
    EXPECT_EQ(a[2].Nummer, -1); // the null slot holds a default record
    EXPECT_EQ(a[3].Name, "drei");

    test::ByteBuilder fremd;
    fremd.Count(1).NewClass("AndererSatz").Int(5);
    BinaryArchive arFremd(fremd.Bytes());
    CTestSatzArray f;
    EXPECT_THROW(f.Serialize(arFremd), BinaryArchiveError);

    test::ByteBuilder zuViele;
    zuViele.Count(1000).NewClass("TestSatz").Int(1).String8("eins");
    BinaryArchive arZuViele(zuViele.Bytes());
    CTestSatzArray z;
    EXPECT_THROW(z.Serialize(arZuViele), BinaryArchiveError);
}

// --- numbers and plan points ---------------------------------------------------

TEST(CXmlDoubleArray, XmlFormUndLesen)
{
    CXmlDoubleArray werte{0.5, 2, -3.25};
    const std::string xml = test::XmlVon(werte);
    EXPECT_EQ(xml, "<DoubleArray Size=\"3\"><Double>0.5</Double><Double>2</Double><Double>-3.25</Double></DoubleArray>");

    CXmlDoubleArray gelesen{9, 9, 9, 9, 9};
    test::LiesXml(xml, gelesen);
    EXPECT_EQ(gelesen, werte);

    CXmlDoubleArray leer;
    EXPECT_EQ(test::XmlVon(leer), "<DoubleArray Size=\"0\"/>");

    // A value that cannot be read is 0; an absurd size takes the values there.
    CXmlDoubleArray kaputt;
    test::LiesXml("<DoubleArray Size=\"2000000000\"><Double>1.5</Double><Double>abc</Double><Double>1e3</Double>"
            "</DoubleArray>",
            kaputt);
    EXPECT_EQ(kaputt, (CXmlDoubleArray{1.5, 0, 1000}));
}

// The demand record keeps eight such series side by side.
class Reihen : public CXmlSerializable<Reihen> {
public:
    static constexpr const char* XmlElementName = "Reihen";
    static auto GetXmlMembers(Reihen& r)
    {
        std::array<XmlMember, 8> m;
        for (std::size_t i = 0; i < 8; ++i)
            m[i] = XmlObject(r.Reihe[i]);
        return m;
    }
    std::array<CXmlDoubleArray, 8> Reihe;
};

TEST(CXmlDoubleArray, AchtGeschwisterBleibenGetrennt)
{
    Reihen r;
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t k = 0; k <= i; ++k)
            r.Reihe[i].Add(10.0 * static_cast<double>(i) + static_cast<double>(k));
    const std::string xml = test::XmlVon(r);
    Reihen gelesen;
    test::LiesXml(xml, gelesen);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(gelesen.Reihe[i], r.Reihe[i]) << i;
}

TEST(CXmlDoubleArray, BinaerForm)
{
    test::ByteBuilder b;
    b.Count(2).Double(1.25).Double(-8);
    BinaryArchive ar(b.Bytes());
    CXmlDoubleArray werte;
    werte.Serialize(ar);
    EXPECT_EQ(werte, (CXmlDoubleArray{1.25, -8}));
    EXPECT_TRUE(ar.AtEnd());

    test::ByteBuilder kurz;
    kurz.Count(3).Double(1).Double(2);
    BinaryArchive arKurz(kurz.Bytes());
    CXmlDoubleArray bleibt{7};
    EXPECT_THROW(bleibt.Serialize(arKurz), BinaryArchiveError);
    EXPECT_EQ(bleibt, (CXmlDoubleArray{7}));
}

TEST(Punkt2DArray, XmlForm)
{
    Punkt2DArray umriss{{0, 0}, {12.5, 0}, {12.5, -8.75}};
    const std::string xml = test::XmlVon(umriss);
    EXPECT_EQ(xml, test::TextDatei("punkte_ebenen/Punkt2DArray.xml"));

    Punkt2DArray gelesen{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    test::LiesXml(xml, gelesen);
    ASSERT_EQ(gelesen.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(gelesen[i], umriss[i]) << i;

    Punkt2DArray ohneSize;
    test::LiesXml("<Punkt2DArray><Punkt2D x=\"1\" y=\"2\"/><Punkt2D y=\"4\"/></Punkt2DArray>", ohneSize);
    ASSERT_EQ(ohneSize.size(), 2u);
    EXPECT_EQ(ohneSize[0], Punkt2D(1, 2));
    EXPECT_EQ(ohneSize[1], Punkt2D(0, 4)); // a missing coordinate stays 0
}

TEST(Punkt2DArray, BinaerFormMit24BytesJePunkt)
{
    for (const bool langeZahl : {false, true}) {
        test::ByteBuilder b;
        b.Count(2, langeZahl);
        b.Repeat(0xAB, 8).Double(1.5).Double(-2);
        b.Repeat(0xCD, 8).Double(3).Double(4.25);
        BinaryArchive ar(b.Bytes());
        Punkt2DArray punkte{{9, 9}};
        punkte.Serialize(ar);
        EXPECT_TRUE(ar.AtEnd());
        ASSERT_EQ(punkte.size(), 2u);
        EXPECT_EQ(punkte[0], Punkt2D(1.5, -2));
        EXPECT_EQ(punkte[1], Punkt2D(3, 4.25));
    }

    // A count the file cannot hold is refused before anything is allocated,
    // and the array keeps its points.
    test::ByteBuilder kaputt;
    kaputt.Count(2000000000, true).Repeat(0, 24);
    BinaryArchive ar(kaputt.Bytes());
    Punkt2DArray bleibt{{1, 2}};
    EXPECT_THROW(bleibt.Serialize(ar), BinaryArchiveError);
    ASSERT_EQ(bleibt.size(), 1u);
    EXPECT_EQ(bleibt[0], Punkt2D(1, 2));
}

} // namespace
} // namespace zeva
