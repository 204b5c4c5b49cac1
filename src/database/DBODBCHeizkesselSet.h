#pragma once
// Record set on [Heizkessel], the boilers of existing buildings.
//
// Parameters in binding order: BrennstoffParam, BJParam, HeizungIDParam
// (declared BJParam first). The boiler list filters "(Brennstoff = ?)" and,
// with the year filter on, appends " * (BaujahrAb <= ?) * (BaujahrBis >= ?)",
// so the fuel goes first and HeizungIDParam carries the year too.
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class DBODBCHeizkesselSet : public SqlRecordset, public HeizkesselZeile {
public:
    static constexpr const char* Brennstofffilter = "(Brennstoff = ?)";
    static constexpr const char* Jahreszusatz = " * (BaujahrAb <= ?) * (BaujahrBis >= ?)";

    explicit DBODBCHeizkesselSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "Heizkessel") {}
    HeizkesselZeile Zeile() const { return *this; }

    int BJParam = 0;
    int BrennstoffParam = 0;
    int HeizungIDParam = 0;

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("HeizungID", HeizungID);
        fx.Int("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("Kesselleistung", Kesselleistung);
        fx.Double("Abgasverlust", Abgasverlust);
        fx.Double("Strahlungsverlust", Strahlungsverlust);
        fx.Double("Bereitschaftsverlust", Bereitschaftsverlust);
        fx.Double("Kesselnutzungsgrad", Kesselnutzungsgrad);
        fx.Int("Brennstoff", Brennstoff);
        fx.Int("BaujahrAb", BaujahrAb);
        fx.Int("BaujahrBis", BaujahrBis);
        fx.Text("Bitmappfad", Bitmappfad);
        fx.Param(BrennstoffParam);
        fx.Param(BJParam);
        fx.Param(HeizungIDParam);
    }
};

} // namespace zeva
