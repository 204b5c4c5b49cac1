#include "model/RuntimeClass.h"

#include "model/DBedarf.h"
#include "model/CDach.h"
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFenster.h"
#include "model/DFlachdach.h"
#include "model/DHeizung.h"
#include "model/DOptionen.h"
#include "model/DSteildach.h"
#include "model/DSchicht.h"
#include "model/DWand.h"
#include "model/Gaube.h"
#include "model/Haus.h"
#include "model/Plane.h"
#include "model/Punkt2D.h"
#include "model/Punkt3D.h"
#include "model/SHaus.h"
#include "model/Zone.h"

#include <cassert>
#include <utility>

namespace zeva {

RuntimeClassRegistry& RuntimeClassRegistry::Instance()
{
    static RuntimeClassRegistry registry;
    return registry;
}

void RuntimeClassRegistry::Register(const std::string& className, Factory factory)
{
    // The older binary form stores at most 63 printable ASCII characters.
    assert(!className.empty() && className.size() < 64);
    assert(factory);
    m_factories.insert_or_assign(className, std::move(factory));
}

bool RuntimeClassRegistry::Contains(std::string_view className) const
{
    return m_factories.find(className) != m_factories.end();
}

std::unique_ptr<CXmlObject> RuntimeClassRegistry::Create(std::string_view className) const
{
    const auto it = m_factories.find(className);
    if (it == m_factories.end())
        return nullptr;
    return it->second();
}

void RegisterModelClasses()
{
    [[maybe_unused]] RuntimeClassRegistry& registry = RuntimeClassRegistry::Instance();
    // Every model class that the older binary form creates by name, one line
    // each (its header included above), e.g.
    //   registry.Register<Haus>("Haus");
    registry.Register<Zone>("Zone");
    registry.Register<DBoden>("DBoden");
    registry.Register<DDecke>("DDecke");
    registry.Register<DWand>("DWand");
    registry.Register<DFlachdach>("DFlachdach");
    registry.Register<DSteildach>("DSteildach");
    registry.Register<DFenster>("DFenster");
    registry.Register<DSchicht>("DSchicht");
    registry.Register<DSBoden>("DSBoden");
    registry.Register<DSDecke>("DSDecke");
    registry.Register<DSWand>("DSWand");
    registry.Register<DSFlachdach>("DSFlachdach");
    registry.Register<DSSteildach>("DSSteildach");
    registry.Register<DSFenster>("DSFenster");
    registry.Register<SHaus>("SHaus");
    registry.Register<CDach>("CDach");
    registry.Register<Haus>("Haus");
    registry.Register<DHeizung>("DHeizung");
    registry.Register<DBedarf>("DBedarf");
    registry.Register<Gaube>("Gaube");
    registry.Register<Punkt2D>("Punkt2D");
    registry.Register<Punkt3D>("Punkt3D");
    registry.Register<Plane>("Plane");
    registry.Register<DOptionen>("DOptionen");
}

std::unique_ptr<CXmlObject> ReadObject(BinaryArchive& ar)
{
    return detail::ReadObjectChecked(ar, nullptr);
}

namespace detail {

std::unique_ptr<CXmlObject> ReadObjectChecked(BinaryArchive& ar, bool (*accepts)(const CXmlObject&))
{
    const std::size_t at = ar.Position();
    const std::optional<std::string> className = ar.ReadObjectHeader();
    if (!className)
        return nullptr;
    std::unique_ptr<CXmlObject> object = RuntimeClassRegistry::Instance().Create(*className);
    if (!object)
        throw BinaryArchiveError("Die Klasse „" + *className + "“ ist unbekannt.", at);
    if (accepts != nullptr && !accepts(*object))
        throw BinaryArchiveError("Ein Objekt der Klasse „" + *className + "“ steht an falscher Stelle.", at);
    BinaryArchive::ObjectScope scope(ar);
    object->Serialize(ar);
    return object;
}

} // namespace detail

} // namespace zeva
