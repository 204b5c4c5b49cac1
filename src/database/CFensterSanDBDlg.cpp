#include "database/CFensterSanDBDlg.h"

#include "database/XDBFensterSanSet.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace zeva {

namespace {

const Wertspalte FensterSpalten[] = {
    {"U-Wert Glas", 1229, "W/m²K", Stellenart::UWert},
    {"U-Wert Rahmen", 1054, "W/m²K", Stellenart::UWert},
    {"g-Wert", 1075, "", Stellenart::Signifikant},
    Sockelpreiszeile,
    Flaechenpreiszeile,
    Lebensdauerzeile,
};

} // namespace

CFensterSanDBDlg::CFensterSanDBDlg(QWidget* parent)
    : CSanierungsauswahlDlg(QStringLiteral("Sanierungsdatenbank Fenster"), Position::Behalten, parent)
{
    auto* rahmenZeile = new QHBoxLayout;
    auto* rahmen = new QLabel(QStringLiteral("&Rahmen:"), this);
    m_BeibehaltenRadio = new QRadioButton(QStringLiteral("beibehalten"), this);
    m_AustauschenRadio = new QRadioButton(QStringLiteral("austauschen"), this);
    SetzeId(m_BeibehaltenRadio, 1234);
    SetzeId(m_AustauschenRadio, 1235);
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_BeibehaltenRadio);
    radios->addButton(m_AustauschenRadio);
    rahmen->setBuddy(m_BeibehaltenRadio);
    rahmenZeile->addWidget(rahmen);
    rahmenZeile->addWidget(m_BeibehaltenRadio);
    rahmenZeile->addWidget(m_AustauschenRadio);
    rahmenZeile->addStretch();

    BaueAuf(rahmenZeile, "Be&zeichnung:", 1236, FensterSpalten);

    connect(m_BeibehaltenRadio, &QRadioButton::clicked, this, [this] { OnRahmen(); });
    connect(m_AustauschenRadio, &QRadioButton::clicked, this, [this] { OnRahmen(); });
}

CFensterSanDBDlg::~CFensterSanDBDlg() = default;

const XDBFensterSanSet& CFensterSanDBDlg::Set() const
{
    return static_cast<const XDBFensterSanSet&>(*Satz());
}

SanZeileFenster CFensterSanDBDlg::Zeile() const
{
    if (!HatZeile() || Satz() == nullptr)
        return {};
    return Set().Zeile();
}

CSanierungsauswahlDlg::Zeilenkopf CFensterSanDBDlg::Kopf() const
{
    return {Set().Name, Set().Kategorie};
}

std::unique_ptr<SqlRecordset> CFensterSanDBDlg::ErzeugeSet(SqlDatabase& db)
{
    return std::make_unique<XDBFensterSanSet>(&db);
}

void CFensterSanDBDlg::VorDemOeffnen()
{
    (m_bRahmenAustauschen != 0 ? m_AustauschenRadio : m_BeibehaltenRadio)->setChecked(true);
}

void CFensterSanDBDlg::SetzeFilter(SqlRecordset& set)
{
    set.m_strFilter =
        m_bRahmenAustauschen != 0 ? XDBFensterSanSet::MitRahmenFilter : XDBFensterSanSet::OhneRahmenFilter;
    // A window that may not be renovated is offered nothing.
    if (m_Bauteil.Sanbar == 0)
        set.m_strFilter = std::string("0");
}

void CFensterSanDBDlg::VergissZeile()
{
    m_Preisfix = 0;
    m_PreisProQm = 0;
}

std::vector<double> CFensterSanDBDlg::NimmZeile()
{
    const SanZeileFenster zeile = Set().Zeile();
    m_Preisfix = zeile.Zusatzkostenfix + zeile.Sowiesokostenfix;
    m_PreisProQm = zeile.Zusatzkosten + zeile.Sowiesokosten;
    return {zeile.kWertGlas, m_bRahmenAustauschen != 0 ? zeile.kWertRahmen : m_Bauteil.kWertRahmen, zeile.gWert,
            m_Preisfix, m_PreisProQm, zeile.Lebensdauer};
}

void CFensterSanDBDlg::OnRahmen()
{
    m_bRahmenAustauschen = m_AustauschenRadio->isChecked() ? 1 : 0;
    Sicher([this] { FuelleListe(); });
}

} // namespace zeva
