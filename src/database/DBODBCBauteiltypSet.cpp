#include "database/DBODBCBauteiltypSet.h"

#include "platform/SqlDatabase.h"

namespace zeva {

DBODBCBauteiltypSet::DBODBCBauteiltypSet(SqlDatabase* db, Bauteilart art)
    : SqlRecordset(db, Tabellen(art).typen), m_art(art)
{
}

void DBODBCBauteiltypSet::DoFieldExchange(FieldExchange& fx)
{
    fx.Int(Tabellen(m_art).schluessel, ID);
    fx.Int("Kategorie", Kategorie);
    fx.Text("Name", Name);
    fx.Text("Langtext", Langtext);
    if (m_art == Bauteilart::Flachdach)
        fx.Int("Warmdach", Warmdach);
    fx.Int("Schichtzahl", Schichtzahl);
    fx.Double("Dicke", Dicke);
    fx.Double("kWert", kWert);
    fx.Int("BaujahrAb", BaujahrAb);
    fx.Int("BaujahrBis", BaujahrBis);
    fx.Text("Bitmappfad", Bitmappfad);
    fx.Param(BJParam);
    fx.Param(IDParam());
}

std::unique_ptr<DBODBCBauteiltypSet> DBODBCBauteiltypSet::Erzeuge(Bauteilart art, SqlDatabase* db)
{
    switch (art) {
    case Bauteilart::Boden: return std::make_unique<DBODBCBodenSet>(db);
    case Bauteilart::Decke: return std::make_unique<DBODBCDeckeSet>(db);
    case Bauteilart::Flachdach: return std::make_unique<DBODBCFlachdachSet>(db);
    case Bauteilart::Steildach: return std::make_unique<DBODBCSteildachSet>(db);
    case Bauteilart::Wand: return std::make_unique<DBODBCWandSet>(db);
    }
    return nullptr;
}

void DBODBCBauteiltypSet::LoescheMitSchichten()
{
    if (!IsOpen() || IsEOF() || IsBOF() || IsDeleted())
        throw SqlError("no current construction type to delete");
    SqlDatabase& db = *GetDatabase();
    const auto t = Tabellen(m_art);
    SqlTransaction transaktion(db);
    db.Execute("DELETE FROM " + SqlName(t.schichten) + " WHERE " + SqlName(t.schluessel) + " = ?",
               {static_cast<long long>(ID)});
    Delete();
    transaktion.Commit();
}

} // namespace zeva
