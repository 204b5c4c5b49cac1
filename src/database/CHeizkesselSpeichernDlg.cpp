#include "database/CHeizkesselSpeichernDlg.h"

#include "database/Bestandsdatenbank.h"
#include "database/DBODBCHeizkesselSet.h"
#include "database/Datenbankdateien.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QLabel* Label(QWidget* eltern, const QString& text, int id = 0, QWidget* feld = nullptr)
{
    auto* label = new QLabel(text, eltern);
    if (id != 0)
        SetzeId(label, id);
    if (feld != nullptr)
        label->setBuddy(feld);
    return label;
}

} // namespace

QStringList CHeizkesselSpeichernDlg::Brennstoffe()
{
    return {QStringLiteral("Gas"),         QStringLiteral("Öl"),       QStringLiteral("fester Brennstoff"),
            QStringLiteral("Strom"),       QStringLiteral("(sonstige)"), QStringLiteral("Holz-Hackschnitzel"),
            QStringLiteral("Braunkohle"), QStringLiteral("Steinkohle")};
}

CHeizkesselSpeichernDlg::CHeizkesselSpeichernDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Heizkessel in Datenbank speichern"));

    m_NameEdit = ErzeugeMitId<QLineEdit>(this, 1106);
    m_BrennstoffListe = ErzeugeMitId<QComboBox>(this, 1006);
    // Not sorted: the index is the fuel code.
    m_BrennstoffListe->addItems(Brennstoffe());
    m_BrennstoffListe->setCurrentIndex(-1);

    auto* gruppe = new QGroupBox(this);
    auto* gitter = new QGridLayout(gruppe);
    m_Fest = new QRadioButton(QStringLiteral("fest"), gruppe);
    SetzeId(m_Fest, 1216);
    m_Gleitend = new QRadioButton(QStringLiteral("gleitend"), gruppe);
    SetzeId(m_Gleitend, 1217);
    auto* temperatur = new QButtonGroup(this);
    temperatur->addButton(m_Fest);
    temperatur->addButton(m_Gleitend);
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_Fest);
    radios->addWidget(m_Gleitend);
    radios->addStretch();
    // A label's mnemonic clicks a button buddy: the temperature would change
    // by a keystroke meant to move, so the label has none.
    gitter->addWidget(Label(gruppe, QStringLiteral("Kesseltemperatur:")), 0, 0);
    gitter->addLayout(radios, 0, 1, 1, 2);

    m_Leistung = ErzeugeMitId<QLineEdit>(gruppe, 1203);
    gitter->addWidget(Label(gruppe, QStringLiteral("Kessel-Nenn&leistung:"), 0, m_Leistung), 1, 0);
    gitter->addWidget(m_Leistung, 1, 1);
    gitter->addWidget(Label(gruppe, QStringLiteral("kW")), 1, 2);

    m_Abgas = ErzeugeMitId<QLineEdit>(gruppe, 1204);
    m_Strahlung = ErzeugeMitId<QLineEdit>(gruppe, 1205);
    m_Bereitschaft = ErzeugeMitId<QLineEdit>(gruppe, 1206);
    m_Nutzungsgrad = ErzeugeMitId<QLineEdit>(gruppe, 1207);
    auto* abgas = Label(gruppe, QStringLiteral("Abgas&verlust:"), 1214, m_Abgas);
    auto* abgasEinheit = Label(gruppe, QStringLiteral("% der Nennleistung"), 1215);
    auto* strahlung = Label(gruppe, QStringLiteral("St&rahlungsverlust:"), 1212, m_Strahlung);
    auto* strahlungEinheit = Label(gruppe, QStringLiteral("% der Nennleistung"), 1213);
    auto* bereitschaft = Label(gruppe, QStringLiteral("Berei&tschaftsverlust:"), 1210, m_Bereitschaft);
    auto* bereitschaftEinheit = Label(gruppe, QStringLiteral("% der Nennleistung"), 1211);
    // The efficiency line takes the place of the radiation line.
    auto* nutzungsgrad = Label(gruppe, QStringLiteral("Kesseln&utzungsgrad:"), 1208, m_Nutzungsgrad);
    auto* nutzungsgradEinheit = Label(gruppe, QStringLiteral("%"), 1209);
    gitter->addWidget(abgas, 2, 0);
    gitter->addWidget(m_Abgas, 2, 1);
    gitter->addWidget(abgasEinheit, 2, 2);
    gitter->addWidget(strahlung, 3, 0);
    gitter->addWidget(m_Strahlung, 3, 1);
    gitter->addWidget(strahlungEinheit, 3, 2);
    gitter->addWidget(nutzungsgrad, 3, 0);
    gitter->addWidget(m_Nutzungsgrad, 3, 1);
    gitter->addWidget(nutzungsgradEinheit, 3, 2);
    gitter->addWidget(bereitschaft, 4, 0);
    gitter->addWidget(m_Bereitschaft, 4, 1);
    gitter->addWidget(bereitschaftEinheit, 4, 2);
    for (int zeile = 2; zeile < 5; ++zeile)
        gitter->setRowMinimumHeight(zeile, m_Abgas->sizeHint().height());
    m_verlustGruppe = {abgas, m_Abgas, abgasEinheit, strahlung, m_Strahlung, strahlungEinheit,
                       bereitschaft, m_Bereitschaft, bereitschaftEinheit};
    m_nutzungsgradGruppe = {nutzungsgrad, m_Nutzungsgrad, nutzungsgradEinheit};

    m_BaujahrAb = ErzeugeMitId<QLineEdit>(this, 1134);
    m_BaujahrBis = ErzeugeMitId<QLineEdit>(this, 1135);
    const Beschreibungsfelder felder = ErzeugeBeschreibungsfelder();
    m_LangtextEdit = felder.langtext;
    m_BitmappfadEdit = felder.bildpfad;
    QPushButton* durchsuchen = felder.durchsuchen;

    auto* links = new QGridLayout;
    links->addWidget(Label(this, QStringLiteral("Na&me \n (max. 30 Zeichen):"), 0, m_NameEdit), 0, 0);
    links->addWidget(m_NameEdit, 0, 1, 1, 3);
    links->addWidget(Label(this, QStringLiteral("&Energieträger:"), 0, m_BrennstoffListe), 1, 0);
    links->addWidget(m_BrennstoffListe, 1, 1, 1, 3);
    links->addWidget(gruppe, 2, 0, 1, 4);
    links->addWidget(Label(this, QStringLiteral("&gebräuchlich von: "), 0, m_BaujahrAb), 3, 0);
    links->addWidget(m_BaujahrAb, 3, 1);
    links->addWidget(Label(this, QStringLiteral("b&is:"), 0, m_BaujahrBis), 3, 2);
    links->addWidget(m_BaujahrBis, 3, 3);
    links->addWidget(Label(this, QStringLiteral("&Beschreibung:"), 0, m_LangtextEdit), 4, 0, Qt::AlignTop);
    links->addWidget(m_LangtextEdit, 4, 1, 1, 3);
    links->addWidget(Label(this, QStringLiteral("&Pfad für Abbildung:"), 0, m_BitmappfadEdit), 5, 0);
    auto* bildZeile = new QHBoxLayout;
    bildZeile->addWidget(m_BitmappfadEdit, 1);
    bildZeile->addWidget(durchsuchen);
    links->addLayout(bildZeile, 5, 1, 1, 3);
    links->setColumnStretch(1, 1);
    links->setColumnStretch(3, 1);

    const Speicherspalte knoepfe = ErzeugeSpeicherspalte(QStringLiteral("Über&nehmen"));
    m_UebernehmenButton = knoepfe.ok;
    m_UebernehmenButton->setEnabled(false);
    SetzeFelderLayout(links, knoepfe.spalte, 560);

    connect(m_BrennstoffListe, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_UebernehmenButton->setEnabled(index >= 0); });
    connect(m_Fest, &QRadioButton::clicked, this, [this] {
        m_bFest = 1;
        ZeigeKennwertGruppe();
    });
    connect(m_Gleitend, &QRadioButton::clicked, this, [this] {
        m_bFest = 0;
        ZeigeKennwertGruppe();
    });
}

CHeizkesselSpeichernDlg::CHeizkesselSpeichernDlg(const DHeizung& heizung, QWidget* parent)
    : CHeizkesselSpeichernDlg(parent)
{
    m_Bauteil = heizung;
}

CHeizkesselSpeichernDlg::~CHeizkesselSpeichernDlg() = default;

void CHeizkesselSpeichernDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Ganzzahl(m_BaujahrAb, m_nBaujahrAb);
    dx.Ganzzahl(m_BaujahrBis, m_nBaujahrBis);
    dx.Zahl(m_Nutzungsgrad, m_Kesselnutzungsgrad);
    dx.Zahl(m_Leistung, m_Kesselleistung);
    dx.Text(m_LangtextEdit, m_Langtext);
    dx.Text(m_NameEdit, m_Name);
    dx.Zahl(m_Abgas, m_Abgasverlust);
    dx.Zahl(m_Bereitschaft, m_Bereitschaftsverlust);
    dx.Zahl(m_Strahlung, m_Strahlungsverlust);
    dx.Text(m_BitmappfadEdit, m_strBitmappfad);
}

void CHeizkesselSpeichernDlg::ZeigeKennwertGruppe()
{
    const bool fest = m_bFest != 0;
    for (QWidget* w : m_verlustGruppe) {
        w->setVisible(fest);
        w->setEnabled(fest);
    }
    for (QWidget* w : m_nutzungsgradGruppe) {
        w->setVisible(!fest);
        w->setEnabled(!fest);
    }
}

bool CHeizkesselSpeichernDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pHeizkesselSet = std::make_unique<DBODBCHeizkesselSet>();
    m_pHeizkesselSet->m_strFilter = std::string("0");
    if (!OeffneZumSpeichern(Bestandsdatenbankdatei(), {m_pHeizkesselSet.get()})) {
        EndDialog(QDialog::Rejected);
        return true;
    }
    const DHeizung& h = m_Bauteil;
    m_Name = h.Name;
    const int brennstoff = h.Brennstoff;
    m_BrennstoffListe->setCurrentIndex(brennstoff >= 0 && brennstoff < m_BrennstoffListe->count() ? brennstoff : -1);
    m_Kesselleistung = h.Nennwaermeleistung;
    m_Abgasverlust = h.Abgasverlust * 100;
    m_Strahlungsverlust = h.Strahlungsverlust * 100;
    m_Bereitschaftsverlust = h.Bereitschaftsverlust * 100;
    m_Kesselnutzungsgrad = h.Jahresnutzungsgrad * 100;
    m_Langtext = h.Langtext;
    m_bFest = (h.Abgasverlust != 0 || h.Strahlungsverlust != 0 || h.Bereitschaftsverlust != 0) ? 1 : 0;
    ZeigeKennwertGruppe();
    m_Fest->setChecked(m_bFest != 0);
    m_Gleitend->setChecked(m_bFest == 0);
    UpdateData(false);
    return true;
}

void CHeizkesselSpeichernDlg::OnOK()
{
    if (m_BrennstoffListe->currentIndex() < 0 || !UpdateData(true))
        return;
    HeizkesselZeile k;
    k.Name = m_Name;
    k.Langtext = m_Langtext;
    k.Kesselleistung = m_Kesselleistung;
    // Only the chosen description counts; the other group keeps its values
    // in the fields but is stored as 0.
    if (m_bFest != 0) {
        k.Abgasverlust = m_Abgasverlust * 0.01;
        k.Strahlungsverlust = m_Strahlungsverlust * 0.01;
        k.Bereitschaftsverlust = m_Bereitschaftsverlust * 0.01;
        k.Kesselnutzungsgrad = 0;
    } else {
        k.Kesselnutzungsgrad = m_Kesselnutzungsgrad * 0.01;
    }
    k.Brennstoff = m_BrennstoffListe->currentIndex();
    k.BaujahrAb = m_nBaujahrAb;
    k.BaujahrBis = m_nBaujahrBis;
    k.Bitmappfad = m_strBitmappfad;
    if (!Speichere([&] { SpeichereHeizkessel(Datenbank(), k); }))
        return;
    m_gespeichert = true;
    EndDialog(QDialog::Accepted);
}

} // namespace zeva
