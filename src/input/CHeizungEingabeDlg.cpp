#include "input/CHeizungEingabeDlg.h"

#include "database/CHeizkesselBestandDBDlg.h"
#include "database/CHeizkesselSpeichernDlg.h"
#include "model/Eingabehilfen.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"
#include "platform/AustauschZahlen.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "ui/Feldhilfen.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"
#include "ui/WarteCursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zeva {

namespace {

constexpr int MaxNamen = 60;
constexpr int VerteilungZentral = 2;
constexpr const char* ErforderlichText = "kW (Erforderlich: %1 kW)";

} // namespace

QStringList CHeizungEingabeDlg::Brennstoffe()
{
    return {QStringLiteral("Gas"),        QStringLiteral("Öl"),
            QStringLiteral("Holz"),       QStringLiteral("Strom"),
            QStringLiteral("(sonstige)"), QStringLiteral("Holz-Hackschnitzel"),
            QStringLiteral("Braunkohle"), QStringLiteral("Steinkohle")};
}

CHeizungEingabeDlg::CHeizungEingabeDlg(CMainFrame& rahmen) : CSchrittseite(rahmen)
{
    setWindowTitle(QStringLiteral("Eingabe Heizung"));

    // The kind of heating.
    auto* art = new QGroupBox(QStringLiteral("Art des Heizsystems"), this);
    m_Einzel = ErzeugeMitId<QRadioButton>(art, 1141);
    m_Einzel->setText(QStringLiteral("E&inzelheizung"));
    m_Zentral = ErzeugeMitId<QRadioButton>(art, 1142);
    m_Zentral->setText(QStringLiteral("Zent&ralheizung"));
    auto* arten = new QButtonGroup(this);
    arten->addButton(m_Einzel);
    arten->addButton(m_Zentral);
    m_Sanierbar = ErzeugeMitId<QCheckBox>(art, 1180);
    m_Sanierbar->setText(QStringLiteral("&sanierbar"));
    m_SanierungErforderlich = ErzeugeMitId<QCheckBox>(art, 1181);
    m_SanierungErforderlich->setText(QStringLiteral("Sanierung er&forderlich"));
    m_Brennstoff = ErzeugeMitId<QComboBox>(art, 1006);
    m_Brennstoff->addItems(Brennstoffe());
    auto* brennstoffLabel = new QLabel(QStringLiteral("&Energieträger:"), art);
    brennstoffLabel->setBuddy(m_Brennstoff);
    auto* artRaster = new QGridLayout(art);
    artRaster->addWidget(m_Einzel, 0, 0);
    artRaster->addWidget(m_Zentral, 1, 0);
    artRaster->addWidget(m_Sanierbar, 0, 1);
    artRaster->addWidget(m_SanierungErforderlich, 1, 1);
    artRaster->addWidget(brennstoffLabel, 0, 2);
    artRaster->addWidget(m_Brennstoff, 1, 2);

    // The central heating.
    m_ZentralGruppe = ErzeugeMitId<QGroupBox>(this, 1193);
    m_ZentralGruppe->setTitle(QStringLiteral("Zentralheizung"));
    m_AusDB = Knopf(QStringLiteral("Aus &DB..."), 1118);
    m_NachDB = Knopf(QStringLiteral("&Nach DB..."), 1119);
    m_AusDB->setParent(m_ZentralGruppe);
    m_NachDB->setParent(m_ZentralGruppe);
    m_BezeichnungEdit = ErzeugeMitId<QLineEdit>(m_ZentralGruppe, 1146);
    m_NennleistungEdit = Zahlenfeld(m_ZentralGruppe, 1147);
    m_EinschaltdauerEdit = Zahlenfeld(m_ZentralGruppe, 1148);
    m_AbgasEdit = Zahlenfeld(m_ZentralGruppe, 1149);
    m_StrahlungEdit = Zahlenfeld(m_ZentralGruppe, 1150);
    m_BereitschaftEdit = Zahlenfeld(m_ZentralGruppe, 1151);
    m_NutzungsgradEdit = Zahlenfeld(m_ZentralGruppe, 1152);
    auto* zentral = new QGridLayout(m_ZentralGruppe);
    auto* bezeichnungLabel = new QLabel(QStringLiteral("&Bezeichnung:"), m_ZentralGruppe);
    bezeichnungLabel->setBuddy(m_BezeichnungEdit);
    zentral->addWidget(bezeichnungLabel, 0, 0);
    zentral->addWidget(m_BezeichnungEdit, 0, 1, 1, 2);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(m_AusDB);
    knoepfe->addWidget(m_NachDB);
    knoepfe->addStretch();
    zentral->addLayout(knoepfe, 0, 3, 3, 1);
    m_Erforderlich = Feldzeile(zentral, 1, "Kessel-Nenn&leistung:", m_NennleistungEdit, "");
    SetzeId(m_Erforderlich, 1339);
    m_Erforderlich->setText(QString::fromLatin1(ErforderlichText).arg(0));
    m_Erforderlich->setMinimumWidth(
        m_Erforderlich->fontMetrics().horizontalAdvance(QString::fromLatin1(ErforderlichText).arg(9999)));
    Feldzeile(zentral, 2, "Eins&chaltdauer:", m_EinschaltdauerEdit, "h/Jahr");
    Feldzeile(zentral, 3, "Abgas&verlust:", m_AbgasEdit, "% der Nennleistung");
    Feldzeile(zentral, 4, "Strahlungsverlust:", m_StrahlungEdit, "% der Nennleistung");
    Feldzeile(zentral, 5, "Berei&tschaftsverlust:", m_BereitschaftEdit, "% der Nennleistung");
    Feldzeile(zentral, 6, "&Kesselnutzungsgrad:", m_NutzungsgradEdit, "%");
    auto* verteilung = new QGroupBox(m_ZentralGruppe);
    m_Verteilung = ErzeugeMitId<QComboBox>(verteilung, 1154);
    m_Verteilung->setEditable(true);
    m_Verteilung->setInsertPolicy(QComboBox::NoInsert);
    // The long entries show whole in the open list; the closed box is as
    // wide as the central heating, the usual choice, so that it reads whole,
    // and the page stays narrow enough for a small screen.
    m_Verteilung->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_Verteilung->setMinimumContentsLength(
        static_cast<int>(QString::fromUtf8(Verteilungsarten[VerteilungZentral].text).size()) + 1);
    m_Verteilung->view()->setMinimumWidth(m_Verteilung->fontMetrics().horizontalAdvance(
                                              QString::fromUtf8(Verteilungsarten[1].text)) +
                                          24);
    for (const Verteilungsart& v : Verteilungsarten)
        m_Verteilung->addItem(QString::fromUtf8(v.text));
    m_VerteilungEdit = Zahlenfeld(verteilung, 1153);
    auto* vertRaster = new QGridLayout(verteilung);
    auto* vertLabel = new QLabel(QStringLiteral("Art der Wär&meerzeugung:"), verteilung);
    vertLabel->setBuddy(m_Verteilung);
    vertRaster->addWidget(vertLabel, 0, 0);
    vertRaster->addWidget(m_Verteilung, 0, 1, 1, 2);
    Feldzeile(vertRaster, 1, "Verteilun&gsnutzungsgrad:", m_VerteilungEdit, "%");
    zentral->addWidget(verteilung, 7, 0, 1, 4);

    // The single-room heating.
    m_EinzelGruppe = ErzeugeMitId<QGroupBox>(this, 1194);
    m_EinzelGruppe->setTitle(QStringLiteral("Einzelheizung"));
    m_Waermeerzeugerliste = ErzeugeMitId<QComboBox>(m_EinzelGruppe, 1144);
    m_Waermeerzeugerliste->setEditable(true);
    m_Waermeerzeugerliste->setInsertPolicy(QComboBox::NoInsert);
    m_Waermeerzeugerliste->setMinimumWidth(
        m_Waermeerzeugerliste->fontMetrics().horizontalAdvance(QStringLiteral("Ölofen mit Schornsteinanschluß")) + 40);
    m_WirkungsgradEdit = Zahlenfeld(m_EinzelGruppe, 1145);
    auto* einzel = new QGridLayout(m_EinzelGruppe);
    auto* erzeugerLabel = new QLabel(QStringLiteral("Wärmeerze&uger:"), m_EinzelGruppe);
    erzeugerLabel->setBuddy(m_Waermeerzeugerliste);
    einzel->addWidget(erzeugerLabel, 0, 0);
    einzel->addWidget(m_Waermeerzeugerliste, 1, 0, 1, 3);
    Feldzeile(einzel, 2, "Wirkungsgr&ad:", m_WirkungsgradEdit, "%");
    einzel->setRowStretch(3, 1);

    const Schrittleiste leiste = ErzeugeSchrittleiste(1281, 1282, QStringLiteral("<< &Zurück"), 1283, 1285, 1284);
    m_Weiter = leiste.weiter;

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(m_ZentralGruppe, 3);
    mitte->addWidget(m_EinzelGruppe, 2);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(art);
    haupt->addLayout(mitte, 1);
    haupt->addLayout(leiste.zeile);

    connect(m_Einzel, &QRadioButton::clicked, this, [this] { OnEinzelheizung(); });
    connect(m_Zentral, &QRadioButton::clicked, this, [this] { OnZentralheizung(); });
    connect(m_Sanierbar, &QCheckBox::clicked, this, [this] { OnSanierbar(); });
    connect(m_SanierungErforderlich, &QCheckBox::clicked, this, [this] { UpdateData(true); });
    connect(m_AusDB, &QPushButton::clicked, this, [this] { OnAusDB(); });
    connect(m_NachDB, &QPushButton::clicked, this, [this] { OnNachDB(); });
    connect(m_Weiter, &QPushButton::clicked, this, [this] { OnWeiter(); });
    connect(leiste.zurueck, &QPushButton::clicked, this, [this] { Rahmen().VorherigerSchritt(); });
    connect(m_Brennstoff, &QComboBox::activated, this, [this] { OnSelchangeBrennstoff(); });
    connect(m_Waermeerzeugerliste, &QComboBox::activated, this, [this] { OnSelchangeWaermeerzeuger(); });
    connect(m_Verteilung, &QComboBox::activated, this, [this] { OnSelchangeVerteilung(); });
    // The names decide whether the page can go on, also while they are typed.
    connect(m_BezeichnungEdit, &QLineEdit::textChanged, this, [this] { PruefeWeiter(); });
    connect(m_Waermeerzeugerliste, &QComboBox::editTextChanged, this, [this] { PruefeWeiter(); });
    for (QLineEdit* kennwert : {m_NennleistungEdit, m_EinschaltdauerEdit, m_VerteilungEdit})
        connect(kennwert, &QLineEdit::textChanged, this, [this] {
            if (!m_bZeigtFelder)
                BerechneKesselnutzungsgrad();
        });
    const std::pair<QLineEdit*, bool*> verluste[] = {
        {m_AbgasEdit, &m_bAbgasMelden}, {m_StrahlungEdit, &m_bStrahlungMelden}, {m_BereitschaftEdit, &m_bBereitschaftMelden}};
    for (const auto& [feld, melden] : verluste)
        connect(feld, &QLineEdit::textChanged, this, [this, melden] {
            if (*melden && !m_bZeigtFelder)
                BerechneKesselnutzungsgrad();
        });
    connect(m_NutzungsgradEdit, &QLineEdit::textChanged, this, [this] {
        if (m_bNutzungsgradMelden && !m_bZeigtFelder)
            OnChangeKesselnutzungsgrad();
    });
}

CHeizungEingabeDlg::~CHeizungEingabeDlg()
{
    // The frame forgets the page; not while the frame itself is going, when
    // its children go with it.
    if (auto* rahmen = qobject_cast<CMainFrame*>(parentWidget()))
        rahmen->HeizungsfensterGeschlossen();
}

void CHeizungEingabeDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_WirkungsgradEdit, m_Wirkungsgrad, 0, 100);
    dx.Zahl(m_EinschaltdauerEdit, m_Einschaltdauer, 0, 8760);
    dx.Zahl(m_NutzungsgradEdit, m_Kesselnutzungsgrad, 0, 120);
    dx.Zahl(m_VerteilungEdit, m_Verteilungsnutzungsgrad, 0, 100);
    dx.Zahl(m_NennleistungEdit, m_Nennleistung);
    dx.Text(m_BezeichnungEdit, m_Bezeichnung, MaxNamen);
    dx.Zahl(m_AbgasEdit, m_Abgasverlust, 0, 100);
    dx.Zahl(m_BereitschaftEdit, m_Bereitschaftsverlust, 0, 100);
    dx.Zahl(m_StrahlungEdit, m_Strahlungsverlust, 0, 100);
    dx.Text(m_Waermeerzeugerliste, m_Waermeerzeuger, MaxNamen);
    dx.Kontrollkaestchen(m_Sanierbar, m_bSanierbar);
    dx.Kontrollkaestchen(m_SanierungErforderlich, m_bSanierungErforderlich);
}

void CHeizungEingabeDlg::ZeigeFelder()
{
    m_bZeigtFelder = true;
    UpdateData(false);
    m_bZeigtFelder = false;
}

bool CHeizungEingabeDlg::OnInitDialog()
{
    Haus& h = HausRef();
    m_Heizung = h.m_aHeizung[0];
    m_Kesselnutzungsgrad = m_Heizung.Jahresnutzungsgrad * 100;
    m_bSanierungErforderlich = m_Heizung.SanMuss;
    m_bSanierbar = m_Heizung.Sanbar;
    m_Nennleistung = m_Heizung.Nennwaermeleistung;
    m_Strahlungsverlust = m_Heizung.Strahlungsverlust * 100;
    m_Einschaltdauer = m_Heizung.Bereitschaftszeit;
    m_Abgasverlust = m_Heizung.Abgasverlust * 100;
    m_Bereitschaftsverlust = m_Heizung.Bereitschaftsverlust * 100;
    m_Verteilungsnutzungsgrad = m_Heizung.Verteilungsnutzungsgrad * 100;
    // The page fills its fields first and computes once at the end.
    m_bZeigtFelder = true;
    UpdateData(false);
    const int brennstoff = m_Heizung.Brennstoff;
    m_Brennstoff->setCurrentIndex(brennstoff >= 0 && brennstoff < m_Brennstoff->count() ? brennstoff : -1);
    ZeigeVerteilung(QString::fromStdString(m_Heizung.Heizungsverteilung));

    MeldungsNotifier notifier(this);
    m_nErforderlicheLeistung = static_cast<int>(std::ceil(h.BerechneNormwaermebedarf(0, notifier)));
    m_Erforderlich->setText(QString::fromLatin1(ErforderlichText).arg(m_nErforderlicheLeistung));
    if (m_Nennleistung < 0.0001)
        m_Nennleistung = m_nErforderlicheLeistung;

    if (m_Heizung.Einzelheiz != 0) {
        m_Einzel->setChecked(true);
        m_Waermeerzeuger = m_Heizung.Name;
        m_Wirkungsgrad = m_Heizung.EtaEinzel * 100;
        m_Bezeichnung.clear();
        FuelleWaermeerzeuger();
    } else {
        m_Zentral->setChecked(true);
        m_Waermeerzeuger.clear();
        m_Bezeichnung = m_Heizung.Name;
        m_Wirkungsgrad = 0;
        OnZentralheizung();
    }
    m_Kesselbeschreibung = m_Heizung.Langtext;
    AktiviereHeizsystem();
    UpdateData(false);
    m_bZeigtFelder = false;
    PruefeWeiter();
    if (m_Zentral->isChecked())
        BerechneKesselnutzungsgrad();
    m_Geladen = Eingaben();
    return true;
}

QStringList CHeizungEingabeDlg::Eingaben() const
{
    QStringList e{m_Einzel->isChecked() ? QStringLiteral("einzel") : QStringLiteral("zentral"),
                  QString::number(m_Brennstoff->currentIndex()),
                  QString::number(m_Sanierbar->isChecked()),
                  QString::number(m_SanierungErforderlich->isChecked()),
                  QString::fromStdString(m_Kesselbeschreibung)};
    if (m_Einzel->isChecked())
        return e << m_Waermeerzeugerliste->currentText() << m_WirkungsgradEdit->text();
    e << m_BezeichnungEdit->text() << m_NennleistungEdit->text() << m_EinschaltdauerEdit->text()
      << m_Verteilung->currentText() << m_VerteilungEdit->text();
    bool verluste = false;
    for (QLineEdit* feld : {m_AbgasEdit, m_StrahlungEdit, m_BereitschaftEdit}) {
        e << feld->text();
        double wert = 0;
        verluste = verluste || !LeseZahl(feld, wert) || wert != 0;
    }
    if (!verluste)
        e << m_NutzungsgradEdit->text();
    return e;
}

void CHeizungEingabeDlg::UebernimmAbgeleitetenNutzungsgrad(Haus& haus)
{
    DHeizung& bestand = haus.m_aHeizung[0];
    const DHeizung& seite = m_Heizung;
    const bool ausVerlusten = m_Zentral->isChecked() && bestand.Einzelheiz == 0 &&
                              (bestand.Abgasverlust != 0 || bestand.Strahlungsverlust != 0 ||
                               bestand.Bereitschaftsverlust != 0);
    const double eta = m_Kesselnutzungsgrad * 0.01;
    if (!ausVerlusten || eta == bestand.Jahresnutzungsgrad)
        return;
    // A variant whose heating is still the existing one keeps being so.
    const DHeizung alt = bestand;
    for (std::size_t n = 1; n < haus.m_aHeizung.size(); ++n)
        if (haus.m_aHeizung[n].IstGleich(alt)) {
            haus.m_aHeizung[n].Jahresnutzungsgrad = eta;
            haus.m_aHeizung[n].Vollbenutzungsstunden = seite.Vollbenutzungsstunden;
        }
    bestand.Jahresnutzungsgrad = eta;
    bestand.Vollbenutzungsstunden = seite.Vollbenutzungsstunden;
    Dokument().SetModifiedFlag();
}

bool CHeizungEingabeDlg::Einzelheizung() const
{
    return m_Heizung.Einzelheiz != 0;
}

void CHeizungEingabeDlg::AktiviereHeizsystem()
{
    const bool einzel = m_Einzel->isChecked();
    m_EinzelGruppe->setEnabled(einzel);
    m_ZentralGruppe->setEnabled(!einzel);
    m_SanierungErforderlich->setEnabled(m_bSanierbar != 0);
}

void CHeizungEingabeDlg::PruefeWeiter()
{
    const QString name = Einzelheizung() ? m_Waermeerzeugerliste->currentText() : m_BezeichnungEdit->text();
    m_Weiter->setEnabled(!name.isEmpty());
}

void CHeizungEingabeDlg::OnSanierbar()
{
    m_SanierungErforderlich->setEnabled(m_Sanierbar->isChecked());
}

void CHeizungEingabeDlg::OnEinzelheizung()
{
    m_Heizung.Einzelheiz = 1;
    AktiviereHeizsystem();
    FuelleWaermeerzeuger();
    PruefeWeiter();
}

void CHeizungEingabeDlg::OnZentralheizung()
{
    m_Heizung.Einzelheiz = 0;
    m_Waermeerzeuger.clear();
    AktiviereHeizsystem();
    if (m_Heizung.Heizungsverteilung.empty()) {
        m_Verteilung->setCurrentIndex(VerteilungZentral);
        OnSelchangeVerteilung();
    } else {
        ZeigeVerteilung(QString::fromStdString(m_Heizung.Heizungsverteilung));
        m_Verteilungsnutzungsgrad = m_Heizung.Verteilungsnutzungsgrad * 100;
    }
    PruefeWeiter();
}

void CHeizungEingabeDlg::FuelleWaermeerzeuger()
{
    // The list keeps what the user typed or the record named.
    const QString text = QString::fromStdString(m_Waermeerzeuger);
    m_Waermeerzeugerliste->clear();
    QStringList namen;
    for (const Einzelheizgeraet& g : Einzelheizgeraete)
        if (g.brennstoff == m_Brennstoff->currentIndex())
            namen << QString::fromUtf8(g.name);
    // The list is sorted as a sorted list box sorts: alphabetically, without
    // regard to case.
    std::sort(namen.begin(), namen.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    m_Waermeerzeugerliste->addItems(namen);
    m_Waermeerzeugerliste->setCurrentIndex(-1);
    m_Waermeerzeugerliste->setEditText(text);
    PruefeWeiter();
}

void CHeizungEingabeDlg::OnSelchangeBrennstoff()
{
    if (!m_Einzel->isChecked())
        return;
    FuelleWaermeerzeuger();
    m_Waermeerzeugerliste->setCurrentIndex(m_Waermeerzeugerliste->count() > 0 ? 0 : -1);
    OnSelchangeWaermeerzeuger();
    PruefeWeiter();
}

void CHeizungEingabeDlg::OnSelchangeWaermeerzeuger()
{
    const int index = m_Waermeerzeugerliste->currentIndex();
    const QString text = index >= 0 ? m_Waermeerzeugerliste->itemText(index) : QString();
    m_Waermeerzeuger = text.toStdString();
    m_Waermeerzeugerliste->setEditText(text);
    if (text.isEmpty())
        m_Wirkungsgrad = 0;
    for (const Einzelheizgeraet& g : Einzelheizgeraete)
        if (text == QString::fromUtf8(g.name))
            m_Wirkungsgrad = g.prozent;
    m_WirkungsgradEdit->setText(AustauschZahlText(m_Wirkungsgrad));
    PruefeWeiter();
}

void CHeizungEingabeDlg::OnSelchangeVerteilung()
{
    const int index = m_Verteilung->currentIndex();
    const QString text = index >= 0 ? m_Verteilung->itemText(index) : QString();
    ZeigeVerteilung(text);
    m_Heizung.Heizungsverteilung = text.toStdString();
    for (const Verteilungsart& v : Verteilungsarten)
        if (text == QString::fromUtf8(v.text))
            m_Verteilungsnutzungsgrad = v.prozent;
    m_VerteilungEdit->setText(AustauschZahlText(m_Verteilungsnutzungsgrad));
}

void CHeizungEingabeDlg::ZeigeVerteilung(const QString& text)
{
    // The long names show from their beginning.
    m_Verteilung->setEditText(text);
    m_Verteilung->lineEdit()->setCursorPosition(0);
}

void CHeizungEingabeDlg::BerechneKesselnutzungsgrad()
{
    const std::pair<QLineEdit*, double*> felder[] = {{m_NennleistungEdit, &m_Nennleistung},
                                                     {m_EinschaltdauerEdit, &m_Einschaltdauer},
                                                     {m_AbgasEdit, &m_Abgasverlust},
                                                     {m_StrahlungEdit, &m_Strahlungsverlust},
                                                     {m_BereitschaftEdit, &m_Bereitschaftsverlust},
                                                     {m_VerteilungEdit, &m_Verteilungsnutzungsgrad}};
    for (const auto& [feld, wert] : felder)
        if (!LeseZahl(feld, *wert))
            return;
    const Kesselkennwerte kessel{m_Nennleistung,        m_Einschaltdauer,         m_Abgasverlust,
                                 m_Strahlungsverlust,   m_Bereitschaftsverlust,   m_Verteilungsnutzungsgrad};
    if (!KesselkennwerteBrauchbar(kessel))
        return;
    // Every keystroke asks the balance; missing climate data were reported
    // when the page opened, so this asks without telling again. The balance
    // runs on a copy: it rewrites the demand record it works in, which the
    // panes and pages of the document's house read.
    StillerNotifier still;
    Haus bilanz(HausRef());
    const double q = bilanz.Waermebilanz(still);
    const std::optional<double> eta = KesselnutzungsgradAusVerlusten(q, kessel, m_Heizung);
    if (!eta)
        return;
    m_Kesselnutzungsgrad = *eta;
    m_bNutzungsgradMelden = false;
    // Three digits by the program's one rule, without grouping: the user
    // edits the field.
    m_NutzungsgradEdit->setText(QString::fromStdString(zeva::Zahltext(m_Kesselnutzungsgrad, 1, 3, false)));
    m_bNutzungsgradMelden = true;
}

void CHeizungEingabeDlg::OnChangeKesselnutzungsgrad()
{
    // A boiler is described by its losses or by its annual efficiency alone.
    m_Abgasverlust = 0;
    m_Strahlungsverlust = 0;
    m_Bereitschaftsverlust = 0;
    m_bAbgasMelden = m_bStrahlungMelden = m_bBereitschaftMelden = false;
    for (QLineEdit* feld : {m_AbgasEdit, m_StrahlungEdit, m_BereitschaftEdit})
        feld->setText(QStringLiteral("0"));
    m_bAbgasMelden = m_bStrahlungMelden = m_bBereitschaftMelden = true;
}

void CHeizungEingabeDlg::OnAusDB()
{
    WarteCursor warten;
    CHeizkesselBestandDBDlg dlg(HausRef().Baujahr, this);
    UpdateData(true);
    dlg.m_nBrennstoff = m_Brennstoff->currentIndex();
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_Bezeichnung = dlg.m_Name;
    m_Kesselbeschreibung = dlg.m_Langtext;
    // The building's required power, not the boiler's.
    m_Nennleistung = m_nErforderlicheLeistung;
    m_Abgasverlust = dlg.m_Abgasverlust * 100;
    m_Bereitschaftsverlust = dlg.m_Bereitschaftsverlust * 100;
    m_Strahlungsverlust = dlg.m_Strahlungsverlust * 100;
    m_Kesselnutzungsgrad = dlg.m_Kesselnutzungsgrad * 100;
    ZeigeFelder();
    PruefeWeiter();
    BerechneKesselnutzungsgrad();
}

void CHeizungEingabeDlg::OnNachDB()
{
    WarteCursor warten;
    CHeizkesselSpeichernDlg dlg(this);
    UpdateData(true);
    SchreibeKessel();
    dlg.m_Bauteil = m_Heizung;
    dlg.exec();
}

void CHeizungEingabeDlg::SchreibeKessel()
{
    DHeizung& k = m_Heizung;
    k.Name = m_Bezeichnung;
    k.Langtext = m_Kesselbeschreibung;
    k.Brennstoff = m_Brennstoff->currentIndex();
    k.Jahresnutzungsgrad = m_Kesselnutzungsgrad * 0.01;
    k.Nennwaermeleistung = m_Nennleistung;
    k.Strahlungsverlust = m_Strahlungsverlust * 0.01;
    k.Abgasverlust = m_Abgasverlust * 0.01;
    k.Bereitschaftsverlust = m_Bereitschaftsverlust * 0.01;
}

void CHeizungEingabeDlg::OnWeiter()
{
    if (!UpdateData(true))
        return;
    Haus& h = HausRef();
    // What the page works out by itself (the annual efficiency from the
    // losses for the demand of the moment, the distribution it offers for an
    // empty one) is no change of the building: only what the user entered
    // or chose differs from the page as it was loaded.
    if (Eingaben() == m_Geladen) {
        UebernimmAbgeleitetenNutzungsgrad(h);
        // The move computes the net areas and with them the demand.
        Rahmen().NaechsterSchritt();
        return;
    }
    DHeizung& k = m_Heizung;
    const int sanMuss = m_bSanierungErforderlich != 0 && m_bSanierbar != 0 ? 1 : 0;
    if (m_Einzel->isChecked()) {
        k.Einzelheiz = 1;
        k.Name = m_Waermeerzeuger;
        k.Langtext = m_Kesselbeschreibung;
        k.Sanbar = m_bSanierbar;
        k.SanMuss = sanMuss;
        k.Brennstoff = m_Brennstoff->currentIndex();
        k.SetzeEinzelheizung(m_Wirkungsgrad * 0.01);
    } else {
        MeldungsNotifier notifier(this);
        DHeizung geprueft(k);
        geprueft.Nennwaermeleistung = m_Nennleistung;
        geprueft.Bereitschaftszeit = m_Einschaltdauer;
        if (!KesselDecktWaermebedarf(h.Waermebilanz(notifier), geprueft) &&
            !Meldung::Frage(QString::fromUtf8(WarnungWaermebedarf), QMessageBox::No, Meldung::Symbol::Vorgabe, this))
            return;
        if (!KesselDecktNormwaermebedarf(h.BerechneNormwaermebedarf(0, notifier), geprueft) &&
            !Meldung::Frage(QString::fromUtf8(WarnungNormwaermebedarf), QMessageBox::No, Meldung::Symbol::Vorgabe,
                            this))
            return;
        SchreibeKessel();
        k.Sanbar = m_bSanierbar;
        k.SanMuss = sanMuss;
        DHeizung::Zentralheizungswerte w = k.Zentralwerte();
        w.Bereitschaftszeit = m_Einschaltdauer;
        w.Heizungsverteilung = m_Verteilung->currentText().toStdString();
        w.Verteilungsnutzungsgrad = m_Verteilungsnutzungsgrad * 0.01;
        k.SetzeZentralheizung(w);
    }
    MeldungsNotifier notifier(this);
    const DHeizung& bestand = h.m_aHeizung[0];
    const bool geaendert = !k.IstGleich(bestand) || k.Jahresnutzungsgrad != bestand.Jahresnutzungsgrad ||
                           k.Bitmappfad != bestand.Bitmappfad || k.Co2 != bestand.Co2 || k.Kea != bestand.Kea;
    if (geaendert) {
        // The variants start from the existing heating: changing it under
        // them would make each of them a heating renovation.
        if (!h.BestandAendernErlaubt(true, notifier, &Rahmen().Variantenanzeige())) {
            // The variants stay, and so does the stored heating: the page
            // shows it again and the input goes on with it.
            OnInitDialog();
            Rahmen().NaechsterSchritt();
            return;
        }
        h.m_aHeizung[0] = k;
        Dokument().SetModifiedFlag();
    }
    m_Geladen = Eingaben();
    // The move computes the net areas and with them the demand.
    Rahmen().NaechsterSchritt();
}

void CHeizungEingabeDlg::OnOK()
{
    Dokument().SetModifiedFlag();
}

} // namespace zeva
