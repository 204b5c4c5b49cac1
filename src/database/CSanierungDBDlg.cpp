#include "database/CSanierungDBDlg.h"

#include "database/Datenbankdateien.h"
#include "database/XDBOpakSanSet.h"
#include "platform/Meldung.h"

namespace zeva {

std::unique_ptr<SqlRecordset> ErzeugeSanierungsSet(SanGruppe gruppe, SqlDatabase* db)
{
    switch (gruppe) {
    case SanGruppe::Boden: return std::make_unique<XDBBodenSanSet>(db);
    case SanGruppe::Decke: return std::make_unique<XDBDeckeSanSet>(db);
    case SanGruppe::Flachdach: return std::make_unique<XDBFlachdachSanSet>(db);
    case SanGruppe::Steildach: return std::make_unique<XDBSteildachSanSet>(db);
    case SanGruppe::Wand: return std::make_unique<XDBWandSanSet>(db);
    }
    return nullptr;
}

SanZeileOpaque SanierungsZeile(SanGruppe gruppe, const SqlRecordset& set)
{
    if (gruppe == SanGruppe::Flachdach)
        return static_cast<const XDBFlachdachSanSet&>(set).Zeile().AlsOpaque();
    return static_cast<const XDBOpakSanSet&>(set).Zeile();
}

QString CSanierungDBDlg::Titel(SanGruppe gruppe)
{
    const char* wort = "";
    switch (gruppe) {
    case SanGruppe::Boden: wort = "Boden"; break;
    case SanGruppe::Decke: wort = "Decke"; break;
    case SanGruppe::Flachdach: wort = "Flachdach"; break;
    case SanGruppe::Steildach: wort = "Steildach"; break;
    case SanGruppe::Wand: wort = "Wand"; break;
    }
    return QStringLiteral("Sanierungsdatenbank ") + QString::fromUtf8(wort);
}

QString CSanierungDBDlg::Lesefehler()
{
    return SanierungsLesefehler();
}

namespace {

const Wertspalte OpakSpalten[] = {
    {"U-Wert", 1053, "W/m²K", Stellenart::UWert},
    {"Dicke", 1133, "cm", Stellenart::Signifikant},
    Sockelpreiszeile,
    Flaechenpreiszeile,
    Lebensdauerzeile,
};

} // namespace

CSanierungDBDlg::CSanierungDBDlg(SanGruppe gruppe, QWidget* parent)
    : CSanierungsauswahlDlg(Titel(gruppe), Position::Behalten, parent), m_gruppe(gruppe)
{
    BaueAuf(nullptr, "Be&zeichnung", 1106, OpakSpalten);
}

CSanierungDBDlg::~CSanierungDBDlg() = default;

SanZeileOpaque CSanierungDBDlg::Zeile() const
{
    if (!HatZeile() || Satz() == nullptr)
        return {};
    return SanierungsZeile(m_gruppe, *Satz());
}

CSanierungsauswahlDlg::Zeilenkopf CSanierungDBDlg::Kopf() const
{
    const SanZeileOpaque zeile = Zeile();
    return {zeile.Name, zeile.Kategorie};
}

std::unique_ptr<SqlRecordset> CSanierungDBDlg::ErzeugeSet(SqlDatabase& db)
{
    return ErzeugeSanierungsSet(m_gruppe, &db);
}

void CSanierungDBDlg::SetzeFilter(SqlRecordset& set)
{
    // Every measure of the group: no name looked up before narrows the list.
    set.m_strFilter.clear();
}

void CSanierungDBDlg::VergissZeile()
{
    m_Preisfix = 0;
    m_PreisProQm = 0;
}

std::vector<double> CSanierungDBDlg::NimmZeile()
{
    const SanZeileOpaque zeile = SanierungsZeile(m_gruppe, *Satz());
    SanPreis preis;
    if (BerechneSanPreis(zeile, SanPreisWeg::Auswahldialog, preis)) {
        m_Preisfix = preis.Preisfix;
        m_PreisProQm = preis.PreisProQm;
    }
    return {zeile.kWert, zeile.Dicke * 100, m_Preisfix, m_PreisProQm, zeile.Lebensdauer};
}

} // namespace zeva
