#pragma once
// Record set on [SanFenster], the window measures (no parameters). The
// window-measure list shows the rows of one kind: with MitRahmen those that
// replace the frame too, with OhneRahmen those that keep it.
#include "model/SanierungsZeile.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class XDBFensterSanSet : public SqlRecordset, public SanZeileFenster {
public:
    static constexpr const char* MitRahmenFilter = "(Rahmenaustausch = TRUE)";
    static constexpr const char* OhneRahmenFilter = "(Rahmenaustausch = FALSE)";

    explicit XDBFensterSanSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "SanFenster") {}
    SanZeileFenster Zeile() const { return *this; }

protected:
    void DoFieldExchange(FieldExchange& fx) override
    {
        fx.Int("FensterID", FensterID);
        fx.Int("Kategorie", Kategorie);
        fx.Text("Name", Name);
        fx.Text("Langtext", Langtext);
        fx.Double("kWertGlas", kWertGlas);
        fx.Double("gWert", gWert);
        fx.Double("kWertRahmen", kWertRahmen);
        fx.Int("Rahmenaustausch", Rahmenaustausch);
        fx.Double("Lebensdauer", Lebensdauer);
        fx.Double("Sowiesokostenfix", Sowiesokostenfix);
        fx.Double("Sowiesokosten", Sowiesokosten);
        fx.Double("Zusatzkostenfix", Zusatzkostenfix);
        fx.Double("Zusatzkosten", Zusatzkosten);
        fx.Double("KEA", KEA);
        fx.Double("CO2", CO2);
        fx.Text("Bitmappfad", Bitmappfad);
    }
};

} // namespace zeva
