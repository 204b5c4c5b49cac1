#pragma once
// Record set on [Verglasung], the glazings.
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCVerglasungSet : public SqlRecordset, public VerglasungZeile {
public:
    explicit DBODBCVerglasungSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Verglasung") {}
    VerglasungZeile Zeile() const { return *this; }

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("VerglasungID", VerglasungID);
        fx.Double("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("k-Wert", kWert);
        fx.Double("g-Wert", gWert);
        fx.Text("Bitmappfad", Bitmappfad);
    }
};

} // namespace zeva
