#pragma once
// Record set on [Rahmen], the window frames.
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCRahmenSet : public SqlRecordset, public RahmenZeile {
public:
    explicit DBODBCRahmenSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Rahmen") {}
    RahmenZeile Zeile() const { return *this; }

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("RahmenID", RahmenID);
        fx.Double("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("k-Wert", kWert);
        fx.Text("Bitmappfad", Bitmappfad);
    }
};

} // namespace zeva
