#pragma once
// Record set on [Versionsnummer]; the program never reads the table.
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCVersionsnummerSet : public SqlRecordset, public VersionsnummerZeile {
public:
    explicit DBODBCVersionsnummerSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Versionsnummer") {}

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("ID", ID);
        fx.Int("Version-Nr", VersionNr);
        fx.Text("Datum", Datum);
    }
};

} // namespace zeva
