#pragma once
// Record set on [Kategorie], the categories of the layer materials.
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCKategorieSet : public SqlRecordset, public KategorieZeile {
public:
    // The category the user's own materials are stored under.
    static constexpr int Benutzerdefiniert = 0;

    explicit DBODBCKategorieSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Kategorie") {}
    KategorieZeile Zeile() const { return *this; }

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("Kennummer", Kennummer);
        fx.Text("Bezeichnung", Bezeichnung);
    }
};

} // namespace zeva
