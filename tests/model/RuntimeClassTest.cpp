#include "model/RuntimeClass.h"
#include "platform/ByteBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using zeva::BinaryArchive;
using zeva::BinaryArchiveError;
using zeva::CXmlObject;
using zeva::ReadObject;
using zeva::RuntimeClassRegistry;
using zeva::test::ByteBuilder;

namespace {

// Test classes shaped like the model's records: a point, a surface holding
// an array of points (and one more field from version 2 on), and a chain
// that holds one object of any class.
class TestPunkt : public CXmlObject {
public:
    void Serialize(BinaryArchive& ar) override
    {
        x = ar.ReadDouble();
        y = ar.ReadDouble();
    }
    double x = 0, y = 0;
};

class TestFlaeche : public CXmlObject {
public:
    void Serialize(BinaryArchive& ar) override
    {
        Nummer = ar.ReadInt();
        if (ar.Version() >= 2)
            Name = ar.ReadString();
        const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
        Punkte.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i)
            Punkte.push_back(ReadObject<TestPunkt>(ar));
    }
    int Nummer = 0;
    std::string Name = "unbenannt";
    std::vector<std::unique_ptr<TestPunkt>> Punkte;
};

class TestKette : public CXmlObject {
public:
    void Serialize(BinaryArchive& ar) override { Naechstes = ReadObject(ar); }
    std::unique_ptr<CXmlObject> Naechstes;
};

class RuntimeClassTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        zeva::RegisterModelClasses();
        auto& registry = RuntimeClassRegistry::Instance();
        registry.Register<TestPunkt>("TestPunkt");
        registry.Register<TestFlaeche>("TestFlaeche");
        registry.Register<TestKette>("TestKette");
    }

    static std::size_t ErrorOffset(BinaryArchive& ar, const std::function<void()>& read, std::string* message = nullptr)
    {
        try {
            read();
        } catch (const BinaryArchiveError& e) {
            if (message)
                *message = e.what();
            return e.Offset();
        }
        ADD_FAILURE() << "no BinaryArchiveError at byte " << ar.Position();
        return SIZE_MAX;
    }
};

// Two surfaces; classes and objects share the map numbers:
// 1 class TestFlaeche, 2 surface, 3 class TestPunkt, 4 and 5 points,
// 6 surface, 7 point.
ByteBuilder TwoSurfaces()
{
    ByteBuilder b;
    b.NewClass("TestFlaeche").Int(5).Count(3);
    b.NewClass("TestPunkt").Double(1).Double(2);
    b.ClassRef(3).Double(3).Double(4);
    b.NullObject();
    b.ClassRef(1).Int(6).Count(1);
    b.ClassRef(3).Double(5).Double(6);
    return b;
}

} // namespace

TEST(RuntimeClassRegistry, CreatesObjectsByClassName)
{
    RuntimeClassRegistry registry;
    registry.Register<TestPunkt>("TestPunkt");
    registry.Register<TestFlaeche>("TestFlaeche");

    EXPECT_TRUE(registry.Contains("TestPunkt"));
    EXPECT_FALSE(registry.Contains("TestKette"));
    EXPECT_FALSE(registry.Contains("testpunkt"));

    std::unique_ptr<CXmlObject> a = registry.Create("TestPunkt");
    std::unique_ptr<CXmlObject> b = registry.Create("TestPunkt");
    ASSERT_NE(dynamic_cast<TestPunkt*>(a.get()), nullptr);
    EXPECT_NE(a.get(), b.get());
    EXPECT_NE(dynamic_cast<TestFlaeche*>(registry.Create("TestFlaeche").get()), nullptr);
    EXPECT_EQ(registry.Create("Unbekannt"), nullptr);
    EXPECT_EQ(registry.Create(""), nullptr);

    // Registering a name again replaces its factory.
    registry.Register<TestKette>("TestPunkt");
    EXPECT_NE(dynamic_cast<TestKette*>(registry.Create("TestPunkt").get()), nullptr);
}

TEST_F(RuntimeClassTest, ReadsNestedObjectsThroughTheirSerialize)
{
    BinaryArchive ar(TwoSurfaces().Bytes());
    const std::unique_ptr<TestFlaeche> first = ReadObject<TestFlaeche>(ar);
    const std::unique_ptr<CXmlObject> second = ReadObject(ar);
    EXPECT_TRUE(ar.AtEnd());

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Nummer, 5);
    EXPECT_EQ(first->Name, "unbenannt");
    ASSERT_EQ(first->Punkte.size(), 3u);
    EXPECT_EQ(first->Punkte[0]->x, 1);
    EXPECT_EQ(first->Punkte[0]->y, 2);
    EXPECT_EQ(first->Punkte[1]->x, 3);
    EXPECT_EQ(first->Punkte[1]->y, 4);
    EXPECT_EQ(first->Punkte[2], nullptr);

    const auto* flaeche = dynamic_cast<const TestFlaeche*>(second.get());
    ASSERT_NE(flaeche, nullptr);
    EXPECT_EQ(flaeche->Nummer, 6);
    ASSERT_EQ(flaeche->Punkte.size(), 1u);
    EXPECT_EQ(flaeche->Punkte[0]->x, 5);
    EXPECT_EQ(flaeche->Punkte[0]->y, 6);
}

TEST_F(RuntimeClassTest, ObjectsSeeTheVersionOfTheHouseBeingRead)
{
    ByteBuilder b;
    b.NewClass("TestFlaeche").Int(1).String8("S\xFC" "dwand").Count(0);
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(2);
    const std::unique_ptr<TestFlaeche> flaeche = ReadObject<TestFlaeche>(ar);
    ASSERT_NE(flaeche, nullptr);
    EXPECT_EQ(flaeche->Name, "Südwand");
    EXPECT_TRUE(ar.AtEnd());
}

TEST_F(RuntimeClassTest, NullReferenceGivesNoObject)
{
    ByteBuilder b;
    b.NullObject().NullObject();
    BinaryArchive ar(b.Bytes());
    EXPECT_EQ(ReadObject(ar), nullptr);
    EXPECT_EQ(ReadObject<TestPunkt>(ar), nullptr);
    EXPECT_TRUE(ar.AtEnd());
}

TEST_F(RuntimeClassTest, RejectsUnknownAndMisplacedClasses)
{
    struct Case {
        const char* name;
        ByteBuilder bytes;
        std::function<void(BinaryArchive&)> read;
        std::size_t offset;
        std::string inMessage;
    };
    const std::vector<Case> cases = {
        {"unknown class", ByteBuilder().NewClass("Fremd").Int(1), [](BinaryArchive& ar) { ReadObject(ar); }, 0,
         "„Fremd“ ist unbekannt"},
        {"surface where a point belongs", ByteBuilder().NewClass("TestFlaeche").Int(1).Count(0),
         [](BinaryArchive& ar) { ReadObject<TestPunkt>(ar); }, 0, "„TestFlaeche“ steht an falscher Stelle"},
        {"surface inside a surface's points",
         ByteBuilder().NewClass("TestFlaeche").Int(1).Count(1).ClassRef(1).Int(2).Count(0),
         [](BinaryArchive& ar) { ReadObject<TestFlaeche>(ar); }, 23, "„TestFlaeche“ steht an falscher Stelle"},
        {"count larger than the file", ByteBuilder().NewClass("TestFlaeche").Int(1).Count(60000).NullObject(),
         [](BinaryArchive& ar) { ReadObject(ar); }, 21, "Die Anzahl 60000"},
        {"back-reference inside an object",
         ByteBuilder().NewClass("TestFlaeche").Int(1).Count(1).BackReference(2),
         [](BinaryArchive& ar) { ReadObject(ar); }, 23, "frühere Objekt Nr. 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BinaryArchive ar(c.bytes.Bytes());
        std::string message;
        EXPECT_EQ(ErrorOffset(ar, [&] { c.read(ar); }, &message), c.offset);
        EXPECT_NE(message.find(c.inMessage), std::string::npos) << message;
    }
}

TEST_F(RuntimeClassTest, StopsAtObjectsNestedTooDeeply)
{
    const auto chain = [](int length) {
        ByteBuilder b;
        b.NewClass("TestKette");
        for (int i = 1; i < length; ++i)
            b.ClassRef(1);
        b.NullObject();
        return b;
    };
    {
        BinaryArchive ar(chain(BinaryArchive::MaxObjectDepth).Bytes());
        EXPECT_NE(ReadObject<TestKette>(ar), nullptr);
        EXPECT_TRUE(ar.AtEnd());
    }
    {
        // Far deeper than the stack would take without the limit.
        BinaryArchive ar(chain(200000).Bytes());
        std::string message;
        ErrorOffset(ar, [&] { ReadObject(ar); }, &message);
        EXPECT_NE(message.find("zu tief"), std::string::npos) << message;
    }
}

TEST_F(RuntimeClassTest, DamagedDocumentsGiveCleanErrors)
{
    const std::vector<std::uint8_t> whole = TwoSurfaces().Bytes();
    const auto readAll = [](BinaryArchive& ar) {
        ReadObject<TestFlaeche>(ar);
        ReadObject<TestFlaeche>(ar);
    };
    for (std::size_t n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE("truncated to " + std::to_string(n) + " bytes");
        BinaryArchive ar(std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_LE(ErrorOffset(ar, [&] { readAll(ar); }), n);
    }
    // Any single byte overwritten: the document either still reads or raises
    // the archive error; nothing else escapes and nothing is read out of
    // bounds (the suite runs under the address sanitizer).
    for (std::size_t i = 0; i < whole.size(); ++i) {
        for (const std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
            std::vector<std::uint8_t> damaged = whole;
            damaged[i] = value;
            BinaryArchive ar(damaged);
            try {
                readAll(ar);
            } catch (const BinaryArchiveError& e) {
                EXPECT_LE(e.Offset(), damaged.size());
            }
        }
    }
}
