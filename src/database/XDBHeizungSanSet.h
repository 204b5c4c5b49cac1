#pragma once
// Record set on [SanHeizkessel], the replacement boilers.
//
// Parameters in binding order: LeistungParam, LeistungParam2 (the required
// power in kW, both), BrennstoffParam (declared BrennstoffParam first), for
// the filter "([Leistung ab] <= ?) * ([Leistung bis] >= ?) * (Brennstoff = ?)":
// boilers whose power band holds the power, both ends included, for the fuel.
#include "model/SanierungsZeile.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class XDBHeizungSanSet : public SqlRecordset, public SanZeileHeizkessel {
public:
    static constexpr const char* Leistungsfilter =
        "([Leistung ab] <= ?) * ([Leistung bis] >= ?) * (Brennstoff = ?)";

    explicit XDBHeizungSanSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "SanHeizkessel") {}
    SanZeileHeizkessel Zeile() const { return *this; }

    int BrennstoffParam = 0;
    double LeistungParam = 0;
    double LeistungParam2 = 0;

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("HeizungID", HeizungID);
        fx.Int("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("Leistung ab", LeistungAb);
        fx.Double("Leistung bis", LeistungBis);
        fx.Double("Abgasverlust", Abgasverlust);
        fx.Double("Strahlungsverlust", Strahlungsverlust);
        fx.Double("Bereitschaftsverlust", Bereitschaftsverlust);
        fx.Double("Kesselnutzungsgrad", Kesselnutzungsgrad);
        fx.Int("Brennstoff", Brennstoff);
        fx.Double("Preis", Preis);
        fx.Double("Lebensdauer", Lebensdauer);
        fx.Double("KEA", KEA);
        fx.Double("CO2", CO2);
        fx.Text("Bitmappfad", Bitmappfad);
        fx.Param(LeistungParam);
        fx.Param(LeistungParam2);
        fx.Param(BrennstoffParam);
    }
};

} // namespace zeva
