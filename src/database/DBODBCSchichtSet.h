#pragma once
// Record set on [Schicht], the layer materials; parameter KatParam (a
// [Kennummer] of [Kategorie]) for the filter "Kategorie = ?".
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCSchichtSet : public SqlRecordset, public SchichtmaterialZeile {
public:
    static constexpr const char* Kategoriefilter = "Kategorie = ?";

    explicit DBODBCSchichtSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Schicht") {}
    SchichtmaterialZeile Zeile() const { return *this; }

    int KatParam = 0; // byte

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("LfdNr", LfdNr);
        fx.Int("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("Lambda", Lambda);
        fx.Double("Mu", Mu);
        fx.Text("Bitmappfad", Bitmappfad);
        fx.Param(KatParam);
    }
};

} // namespace zeva
