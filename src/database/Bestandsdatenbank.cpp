#include "database/Bestandsdatenbank.h"

#include "database/DBODBCBauteiltypSet.h"
#include "database/DBODBCSchichtaufbauSet.h"
#include "platform/SqlDatabase.h"
#include "platform/SqlRecordset.h"

#include <cmath>
#include <limits>

namespace zeva {

namespace {

SqlValue Zahl(int v)
{
    return static_cast<long long>(v);
}

SqlValue Zahl(double v)
{
    return v;
}

// µ of a flat-roof layer: the column holds a whole number; the fraction is
// cut off before binding (SQLite would keep 12.7 as a real in the column).
SqlValue GanzzahligesMu(double mu)
{
    if (!std::isfinite(mu))
        return 0LL;
    const double t = std::trunc(mu);
    constexpr double grenze = static_cast<double>(std::numeric_limits<int>::max());
    return static_cast<long long>(std::fmax(-grenze, std::fmin(grenze, t)));
}

} // namespace

std::vector<SchichtaufbauZeile> LeseSchichtaufbau(SqlDatabase& db, Bauteilart art, int id)
{
    auto set = DBODBCSchichtaufbauSet::Erzeuge(art, &db);
    set->IDParam() = id;
    set->m_strFilter = set->Schluesselfilter();
    set->m_strSort = DBODBCSchichtaufbauSet::Positionssortierung;
    set->Open();
    std::vector<SchichtaufbauZeile> schichten;
    for (; !set->IsEOF(); set->MoveNext())
        schichten.push_back(set->Zeile());
    return schichten;
}

int SpeichereBauteiltyp(SqlDatabase& db, Bauteilart art, const BauteiltypZeile& typ,
                        const std::vector<SchichtaufbauZeile>& schichten)
{
    const auto t = Tabellen(art);
    SqlRecordset typen(&db, t.typen);
    SqlRecordset lagen(&db, t.schichten);
    // Nothing to read: the sets only append. (Assigned as strings: GCC 12
    // misreads assigning a one-character literal as an overlapping copy.)
    typen.m_strFilter = std::string("0");
    lagen.m_strFilter = std::string("0");
    typen.Open();
    lagen.Open();

    SqlTransaction transaktion(db);
    typen.AddNew();
    typen.SetField("Kategorie", Zahl(0));
    typen.SetField("Name", typ.Name);
    typen.SetField("Langtext", typ.Langtext);
    if (art == Bauteilart::Flachdach)
        typen.SetField("Warmdach", Zahl(typ.Warmdach != 0 ? 1 : 0));
    typen.SetField("Schichtzahl", Zahl(static_cast<int>(schichten.size())));
    typen.SetField("Dicke", Zahl(typ.Dicke));
    typen.SetField("kWert", Zahl(typ.kWert));
    typen.SetField("BaujahrAb", Zahl(typ.BaujahrAb));
    typen.SetField("BaujahrBis", Zahl(typ.BaujahrBis));
    typen.SetField("Bitmappfad", typ.Bitmappfad);
    const int key = typen.UpdateWithNewKey(t.schluessel);
    // Layer rows left under this key by a type deleted without them (by an
    // older program or by hand) would otherwise join the new build-up.
    db.Execute("DELETE FROM " + SqlName(t.schichten) + " WHERE " + SqlName(t.schluessel) + " = ?", {Zahl(key)});

    int position = 1;
    for (const auto& s : schichten) {
        lagen.AddNew();
        lagen.SetField(t.schluessel, Zahl(key));
        lagen.SetField("Name", s.Name);
        lagen.SetField("Langtext", s.Langtext);
        lagen.SetField("Position", Zahl(position++));
        lagen.SetField("Dicke", Zahl(s.Dicke));
        lagen.SetField("Lambda", Zahl(s.Lambda));
        lagen.SetField("Mu", art == Bauteilart::Flachdach ? GanzzahligesMu(s.Mu) : Zahl(s.Mu));
        lagen.Update();
    }
    transaktion.Commit();
    return key;
}

void LoescheBauteiltyp(SqlDatabase& db, Bauteilart art, int id)
{
    const auto t = Tabellen(art);
    SqlTransaction transaktion(db);
    const std::vector<SqlValue> schluessel{Zahl(id)};
    db.Execute("DELETE FROM " + SqlName(t.schichten) + " WHERE " + SqlName(t.schluessel) + " = ?", schluessel);
    db.Execute("DELETE FROM " + SqlName(t.typen) + " WHERE " + SqlName(t.schluessel) + " = ?", schluessel);
    transaktion.Commit();
}

int SpeichereHeizkessel(SqlDatabase& db, const HeizkesselZeile& k)
{
    SqlRecordset set(&db, "Heizkessel");
    set.m_strFilter = std::string("0");
    set.Open();
    set.AddNew();
    set.SetField("Kategorie", Zahl(0));
    set.SetField("Name", k.Name);
    set.SetField("Langtext", k.Langtext);
    set.SetField("Kesselleistung", Zahl(k.Kesselleistung));
    set.SetField("Abgasverlust", Zahl(k.Abgasverlust));
    set.SetField("Strahlungsverlust", Zahl(k.Strahlungsverlust));
    set.SetField("Bereitschaftsverlust", Zahl(k.Bereitschaftsverlust));
    set.SetField("Kesselnutzungsgrad", Zahl(k.Kesselnutzungsgrad));
    set.SetField("Brennstoff", Zahl(k.Brennstoff));
    set.SetField("BaujahrAb", Zahl(k.BaujahrAb));
    set.SetField("BaujahrBis", Zahl(k.BaujahrBis));
    set.SetField("Bitmappfad", k.Bitmappfad);
    return set.UpdateWithNewKey("HeizungID");
}

void SpeichereSchichtmaterial(SqlDatabase& db, const SchichtmaterialZeile& m)
{
    SqlRecordset set(&db, "Schicht");
    set.m_strFilter = std::string("0");
    set.Open();
    set.AddNew();
    set.SetField("Kategorie", Zahl(m.Kategorie));
    set.SetField("Name", m.Name);
    set.SetField("Langtext", m.Langtext);
    set.SetField("Lambda", Zahl(m.Lambda));
    set.SetField("Mu", Zahl(m.Mu));
    set.SetField("Bitmappfad", m.Bitmappfad);
    set.Update();
}

} // namespace zeva
