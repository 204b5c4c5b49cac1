#pragma once
// Creation of persistent objects by their runtime-class name, as the older
// binary document form stores them (schema 1 for every class).
#include "model/CXmlObject.h"
#include "platform/BinaryArchive.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace zeva {

class RuntimeClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<CXmlObject>()>;

    static RuntimeClassRegistry& Instance();

    void Register(const std::string& className, Factory factory);
    bool Contains(std::string_view className) const;
    // A new default-constructed object, or null for an unknown class name.
    std::unique_ptr<CXmlObject> Create(std::string_view className) const;

    template <class T>
    void Register(const std::string& className)
    {
        Register(className, [] { return std::unique_ptr<CXmlObject>(new T()); });
    }

private:
    std::map<std::string, Factory, std::less<>> m_factories;
};

// Registers every model class that the older binary form creates by name.
// Safe to call more than once.
void RegisterModelClasses();

// Reads one object reference of the older binary form: a null reference gives
// null; a new object is created by its class name and reads its own body.
// Raises BinaryArchiveError for an unknown class or a class other than T.
std::unique_ptr<CXmlObject> ReadObject(BinaryArchive& ar);

namespace detail {
// ReadObject with a check of the created object's class before its body is
// read; accepts may be null.
std::unique_ptr<CXmlObject> ReadObjectChecked(BinaryArchive& ar, bool (*accepts)(const CXmlObject&));
} // namespace detail

template <class T>
std::unique_ptr<T> ReadObject(BinaryArchive& ar)
{
    std::unique_ptr<CXmlObject> object = detail::ReadObjectChecked(
        ar, [](const CXmlObject& o) { return dynamic_cast<const T*>(&o) != nullptr; });
    T* typed = dynamic_cast<T*>(object.get());
    object.release();
    return std::unique_ptr<T>(typed);
}

} // namespace zeva
