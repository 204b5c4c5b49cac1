#include "database/XDBOpakSanSet.h"

namespace zeva {

namespace {

// The columns after the placement flags, the same in all five tables.
template <class Zeile>
void Massnahmenspalten(FieldExchange& fx, Zeile& z)
{
    fx.Int("Innen", z.Innen);
    fx.Int("Zwischen", z.Zwischen);
    fx.Int("Aussen", z.Aussen);
    fx.Text("Schichten", z.Schichten);
    fx.Double("kWert", z.kWert);
    fx.Double("Dicke", z.Dicke);
    fx.Double("Lebensdauer", z.Lebensdauer);
    fx.Double("Sowiesokostenfix", z.Sowiesokostenfix);
    fx.Double("Sowiesokosten", z.Sowiesokosten);
    fx.Double("Zusatzkostenfix", z.Zusatzkostenfix);
    fx.Double("Zusatzkosten", z.Zusatzkosten);
    fx.Double("KEA", z.KEA);
    fx.Double("CO2", z.CO2);
    fx.Text("Bitmappfad", z.Bitmappfad);
}

} // namespace

void XDBOpakSanSet::DoFieldExchange(FieldExchange& fx)
{
    fx.Int("ID", ID);
    fx.Int("Kategorie", Kategorie);
    fx.Text("Name", Name);
    fx.Text("Langtext", Langtext);
    Massnahmenspalten(fx, static_cast<SanZeileOpaque&>(*this));
    fx.Param(AussenParam);
    fx.Param(InnenParam);
    fx.Param(ZwischenParam);
}

void XDBFlachdachSanSet::DoFieldExchange(FieldExchange& fx)
{
    fx.Int("ID", ID);
    fx.Int("Kategorie", Kategorie);
    fx.Text("Name", Name);
    fx.Text("Langtext", Langtext);
    fx.Int("Warmdach", Warmdach);
    Massnahmenspalten(fx, static_cast<SanZeileFlachdach&>(*this));
    fx.Param(WarmdachParam);
    fx.Param(AussenParam);
    fx.Param(InnenParam);
    fx.Param(ZwischenParam);
}

} // namespace zeva
