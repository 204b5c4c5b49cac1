#include "database/DBODBCSchichtaufbauSet.h"

namespace zeva {

DBODBCSchichtaufbauSet::DBODBCSchichtaufbauSet(SqlDatabase* db, Bauteilart art)
    : SqlRecordset(db, Tabellen(art).schichten), m_art(art)
{
}

std::unique_ptr<DBODBCSchichtaufbauSet> DBODBCSchichtaufbauSet::Erzeuge(Bauteilart art, SqlDatabase* db)
{
    switch (art) {
    case Bauteilart::Boden: return std::make_unique<DBODBCBodenschichtSet>(db);
    case Bauteilart::Decke: return std::make_unique<DBODBCDeckeschichtSet>(db);
    case Bauteilart::Flachdach: return std::make_unique<DBODBCFlachdachschichtSet>(db);
    case Bauteilart::Steildach: return std::make_unique<DBODBCSteildachschichtSet>(db);
    case Bauteilart::Wand: return std::make_unique<DBODBCWandschichtSet>(db);
    }
    return nullptr;
}

std::string DBODBCSchichtaufbauSet::Schluesselfilter() const
{
    return SqlName(Tabellen(m_art).schluessel) + " = ?";
}

void DBODBCSchichtaufbauSet::DoFieldExchange(FieldExchange& fx)
{
    fx.Int("LfdNr", LfdNr);
    fx.Int(Tabellen(m_art).schluessel, ID);
    fx.Text("Name", Name);
    fx.Text("Langtext", Langtext);
    fx.Int("Position", Position);
    fx.Double("Dicke", Dicke);
    fx.Double("Lambda", Lambda);
    if (m_art == Bauteilart::Flachdach) {
        // A long column: the layer's µ passes through as a whole number.
        int mu = 0;
        fx.Int("Mu", mu);
        if (fx.GetMode() != FieldExchange::Mode::Describe)
            Mu = mu;
    } else {
        fx.Double("Mu", Mu);
    }
    fx.Text("BitmapPfad", BitmapPfad);
    fx.Param(IDParam());
}

} // namespace zeva
