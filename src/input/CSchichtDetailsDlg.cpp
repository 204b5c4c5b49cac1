#include "input/CSchichtDetailsDlg.h"

#include "database/CSchichtSpeichernDlg.h"
#include "database/CSchichtenDBDlg.h"

#include "model/SchichtUWert.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "ui/Feldhilfen.h"
#include "ui/Seitenknoepfe.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

struct ArtTexte {
    const char* titel;
    const char* nummer;
};

ArtTexte Texte(Bauteilart art)
{
    switch (art) {
    case Bauteilart::Boden: return {"Details Boden", "Bearbeitet wird Boden Nr. "};
    case Bauteilart::Decke: return {"Details Decke", "Bearbeitet wird Decke Nr. "};
    case Bauteilart::Flachdach: return {"Details Flachdach", "Bearbeitet wird Flachdach Nr. "};
    case Bauteilart::Steildach: return {"Details Steildach", "Bearbeitet wird Steildach Nr. "};
    case Bauteilart::Wand: return {"Details Wand", "Bearbeitet wird Wand Nr. "};
    }
    return {"", ""};
}

// Ids of the page rows: name, lambda, thickness, µ, R display, radio.
struct ZeilenIds {
    int name, lambda, dicke, mu, r, radio;
};
constexpr ZeilenIds ZeilenIdTabelle[CSchichtDetailsDlg::ZeilenProSeite] = {
    {1022, 1095, 1017, 1020, 1090, 1046}, {1023, 1096, 1018, 1027, 1091, 1047},
    {1024, 1097, 1019, 1028, 1092, 1048}, {1025, 1015, 1098, 1099, 1093, 1049},
    {1026, 1016, 1021, 1029, 1094, 1050},
};

// Shown for a layer without a resistance of its own.
const QString KeinRWert = QStringLiteral("-  ");

const double MuMax = 1e10;

QCheckBox* Kasten(QWidget* eltern, const char* text, int id)
{
    auto* k = new QCheckBox(QString::fromUtf8(text), eltern);
    SetzeId(k, id);
    return k;
}

QPushButton* Knopf(QWidget* eltern, const char* text, int id)
{
    auto* k = new QPushButton(QString::fromUtf8(text), eltern);
    SetzeId(k, id);
    k->setAutoDefault(false);
    return k;
}

QLineEdit* Zahlenfeld(QWidget* eltern, int id, int zeichen)
{
    auto* f = ErzeugeMitId<QLineEdit>(eltern, id);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QString(zeichen, QLatin1Char('0'))) + 12);
    return f;
}

// A field as the live calculation reads it: what does not read counts as 0.
double LiveZahl(const QLineEdit* feld)
{
    double wert = 0;
    if (!LeseZahl(feld, wert))
        return 0;
    return wert;
}

QString Stellen(double wert, int n)
{
    std::string text;
    if (!FormatiereStellen(wert, text, n))
        return QString();
    return QString::fromStdString(text);
}

// Enables or disables a control; a focus on a control that goes off moves
// to `ausweichen` first, so the keyboard never lands on nothing.
void Freigabe(QWidget* w, bool an, QWidget* ausweichen)
{
    if (!an && w->hasFocus() && ausweichen != nullptr)
        ausweichen->setFocus(Qt::OtherFocusReason);
    w->setEnabled(an);
}

} // namespace

QString CSchichtDetailsDlg::Titel(Bauteilart art)
{
    return QString::fromUtf8(Texte(art).titel);
}

CSchichtDetailsDlg::CSchichtDetailsDlg(Bauteilart art, bool kellerSperrtAussen, QWidget* parent)
    : DatenDialog(parent), m_art(art), m_kellerSperrtAussen(kellerSperrtAussen)
{
    BaueOberflaeche();
}

void CSchichtDetailsDlg::BaueOberflaeche()
{
    setWindowTitle(Titel(m_art));
    QGridLayout* kopf = BaueKopf();
    QGroupBox* schichten = BaueSchichtaufbau();
    QGroupBox* sanierung = BaueSanierung();

    auto* ok = Knopf(this, "&OK", 1);
    ok->setDefault(true);
    m_AbbrechenButton = Knopf(this, "&Abbrechen", 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(m_AbbrechenButton);

    auto* unten = new QHBoxLayout;
    unten->addWidget(sanierung);
    unten->addStretch();

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(kopf);
    haupt->addWidget(schichten);
    haupt->addLayout(unten);
    haupt->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    VerbindeKnoepfe();
}

// Number, name, U-value and thickness; on a flat roof its kind.
QGridLayout* CSchichtDetailsDlg::BaueKopf()
{
    m_NummerText = ErzeugeMitId<QLabel>(this, 1100);
    m_NameEdit = ErzeugeMitId<QLineEdit>(this, 1051);
    auto* nameLabel = new QLabel(QStringLiteral("&Bezeichnung:"), this);
    nameLabel->setBuddy(m_NameEdit);

    m_SchichtaufbauCheck = Kasten(this, "&Schichtaufbau benutzen", 1008);
    m_UWertEdit = Zahlenfeld(this, 1053, 8);
    m_DickeEdit = Zahlenfeld(this, 1052, 8);
    auto* uLabel = new QLabel(QStringLiteral("&U-Wert:"), this);
    uLabel->setBuddy(m_UWertEdit);
    auto* dLabel = new QLabel(QStringLiteral("Di&cke:"), this);
    dLabel->setBuddy(m_DickeEdit);

    auto* kopf = new QGridLayout;
    kopf->addWidget(m_NummerText, 0, 0, 1, 4);
    kopf->addWidget(nameLabel, 1, 0);
    kopf->addWidget(m_NameEdit, 1, 1, 1, 3);
    kopf->addWidget(m_SchichtaufbauCheck, 2, 0, 1, 4);
    kopf->addWidget(uLabel, 3, 0);
    kopf->addWidget(m_UWertEdit, 3, 1);
    kopf->addWidget(new QLabel(QStringLiteral("W/m²K"), this), 3, 2);
    kopf->addWidget(dLabel, 4, 0);
    kopf->addWidget(m_DickeEdit, 4, 1);
    kopf->addWidget(new QLabel(QStringLiteral("cm"), this), 4, 2);
    kopf->setColumnStretch(3, 1);

    if (IstFlachdach()) {
        m_WarmdachRadio = ErzeugeMitId<QRadioButton>(this, 1264);
        m_WarmdachRadio->setText(QStringLiteral("&Warmdach"));
        m_KaltdachRadio = ErzeugeMitId<QRadioButton>(this, 1265);
        m_KaltdachRadio->setText(QStringLiteral("Kaltdach"));
        auto* dachart = new QHBoxLayout;
        dachart->addWidget(m_WarmdachRadio);
        dachart->addWidget(m_KaltdachRadio);
        dachart->addStretch();
        kopf->addLayout(dachart, 5, 0, 1, 4);
    }

    return kopf;
}

// The layer table (layer 1 is the inside) with its paging and row buttons.
QGroupBox* CSchichtDetailsDlg::BaueSchichtaufbau()
{
    auto* schichten = new QGroupBox(QStringLiteral("Schichtaufbau"), this);
    auto* tabelle = new QGridLayout;
    const auto spalte = [&](const char* text, int s) {
        auto* l = new QLabel(QString::fromUtf8(text), schichten);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        tabelle->addWidget(l, 0, s);
    };
    spalte("Material", 1);
    spalte("Lambda\nW/mK", 2);
    spalte("Dicke\ncm", 3);
    spalte("µ", 4);
    spalte("R-Wert\nm²K/W", 5);
    tabelle->addWidget(new QLabel(QStringLiteral("innen"), schichten), 1, 1);
    for (int k = 0; k < ZeilenProSeite; ++k)
        BaueSchichtzeile(schichten, tabelle, k);
    tabelle->addWidget(new QLabel(QStringLiteral("außen"), schichten), ZeilenProSeite + 2, 1);
    tabelle->setColumnStretch(1, 1);

    m_Seiten = new Seitenknoepfe({1038, 1054, 1055, 1039}, Qt::Vertical, schichten);
    m_AusDBButton = Knopf(schichten, "Aus &DB...", 3);
    m_NachDBButton = Knopf(schichten, "&Nach DB...", 6);
    m_LoeschenButton = Knopf(schichten, "&Löschen", 4);
    auto* rechts = new QVBoxLayout;
    rechts->addSpacing(tabelle->spacing() + fontMetrics().height() * 2);
    rechts->addWidget(m_Seiten);
    rechts->addStretch();
    auto* zeilenKnoepfe = new QHBoxLayout;
    zeilenKnoepfe->addStretch();
    zeilenKnoepfe->addWidget(m_AusDBButton);
    zeilenKnoepfe->addWidget(m_NachDBButton);
    zeilenKnoepfe->addWidget(m_LoeschenButton);
    auto* schichtLayout = new QGridLayout(schichten);
    schichtLayout->addLayout(tabelle, 0, 0);
    schichtLayout->addLayout(rechts, 0, 1);
    schichtLayout->addLayout(zeilenKnoepfe, 1, 0, 1, 2);

    return schichten;
}

// Row k of the layer table: its radio, the four fields and the R display.
void CSchichtDetailsDlg::BaueSchichtzeile(QGroupBox* schichten, QGridLayout* tabelle, int k)
{
    const ZeilenIds& ids = ZeilenIdTabelle[k];
    ZeilenFelder& f = m_Felder[static_cast<std::size_t>(k)];
    f.radio = ErzeugeMitId<QRadioButton>(schichten, ids.radio);
    f.radio->setText(QString::number(k + 1));
    // The dialog checks the radio of the selected layer itself: none is
    // checked while that layer is off the page.
    f.radio->setAutoExclusive(false);
    f.name = ErzeugeMitId<QLineEdit>(schichten, ids.name);
    f.name->setMinimumWidth(f.name->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('x'))));
    f.lambda = Zahlenfeld(schichten, ids.lambda, 6);
    f.dicke = Zahlenfeld(schichten, ids.dicke, 5);
    f.mu = Zahlenfeld(schichten, ids.mu, 6);
    f.r = ErzeugeMitId<QLabel>(schichten, ids.r);
    f.r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.r->setMinimumWidth(f.r->fontMetrics().horizontalAdvance(QStringLiteral("0,00000")) + 6);
    const int z = k + 2;
    tabelle->addWidget(f.radio, z, 0);
    tabelle->addWidget(f.name, z, 1);
    tabelle->addWidget(f.lambda, z, 2);
    tabelle->addWidget(f.dicke, z, 3);
    tabelle->addWidget(f.mu, z, 4);
    tabelle->addWidget(f.r, z, 5);
    for (QWidget* feld : {static_cast<QWidget*>(f.name), static_cast<QWidget*>(f.lambda),
                          static_cast<QWidget*>(f.dicke), static_cast<QWidget*>(f.mu)})
        feld->installEventFilter(this);
    connect(f.radio, &QRadioButton::clicked, this, [this, k] { OnZeile(k + 1); });
    connect(f.name, &QLineEdit::textChanged, this, [this] { OnFeldGeaendert(); });
    connect(f.lambda, &QLineEdit::textChanged, this, [this] { OnFeldGeaendert(); });
    connect(f.dicke, &QLineEdit::textChanged, this, [this] { OnFeldGeaendert(); });
}

// Renovation: what is possible, and (on a flat roof) what is required with
// the costs that arise anyway.
QGroupBox* CSchichtDetailsDlg::BaueSanierung()
{
    auto* sanierung = new QGroupBox(QStringLiteral("Sanierung"), this);
    m_SanbarInnenCheck = Kasten(sanierung, "&Innenseite", 1131);
    m_SanbarZwischenCheck = Kasten(sanierung, "&Zwischenräume", 1132);
    m_SanbarAussenCheck = Kasten(sanierung, "A&ußenseite", 1133);
    m_SanMussInnenCheck = Kasten(sanierung, "Inn&enseite", 1134);
    m_SanMussAussenCheck = Kasten(sanierung, "Außensei&te", 1136);
    m_SowiesoInnenEdit = Zahlenfeld(sanierung, 1000, 8);
    m_SowiesoAussenEdit = Zahlenfeld(sanierung, 1001, 8);
    m_GesamteFassadeCheck = Kasten(sanierung, "Gesamte Fassade betrachten", 1031);
    auto* erforderlich = new QLabel(QStringLiteral("erforderlich"), sanierung);
    auto* sanGitter = new QGridLayout(sanierung);
    sanGitter->addWidget(new QLabel(QStringLiteral("möglich"), sanierung), 0, 0);
    sanGitter->addWidget(m_SanbarInnenCheck, 1, 0);
    sanGitter->addWidget(m_SanbarZwischenCheck, 2, 0);
    sanGitter->addWidget(m_SanbarAussenCheck, 3, 0);
    sanGitter->addWidget(erforderlich, 0, 1);
    sanGitter->addWidget(m_SanMussInnenCheck, 1, 1);
    sanGitter->addWidget(m_SowiesoInnenEdit, 2, 1);
    sanGitter->addWidget(m_SanMussAussenCheck, 3, 1);
    sanGitter->addWidget(m_SowiesoAussenEdit, 4, 1);
    sanGitter->addWidget(m_GesamteFassadeCheck, 5, 0, 1, 2);
    m_SowiesoInnenEdit->setEnabled(false);
    m_SowiesoAussenEdit->setEnabled(false);
    if (!IstFlachdach()) {
        // These exist all the same: their values pass from the record to the
        // record.
        for (QWidget* w : {static_cast<QWidget*>(erforderlich), static_cast<QWidget*>(m_SanMussInnenCheck),
                           static_cast<QWidget*>(m_SanMussAussenCheck), static_cast<QWidget*>(m_SowiesoInnenEdit),
                           static_cast<QWidget*>(m_SowiesoAussenEdit), static_cast<QWidget*>(m_GesamteFassadeCheck)})
            w->setVisible(false);
    }

    return sanierung;
}

// The buttons and check boxes that act at once.
void CSchichtDetailsDlg::VerbindeKnoepfe()
{
    connect(m_AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_SchichtaufbauCheck, &QCheckBox::clicked, this, [this] { OnSchichtaufbau(); });
    connect(m_Seiten->Anfang(), &QPushButton::clicked, this, [this] { Blaettere(&CSchichtDetailsDlg::Anfang); });
    connect(m_Seiten->Hoch(), &QPushButton::clicked, this, [this] { Blaettere(&CSchichtDetailsDlg::Hoch); });
    connect(m_Seiten->Runter(), &QPushButton::clicked, this, [this] { Blaettere(&CSchichtDetailsDlg::Runter); });
    connect(m_Seiten->Ende(), &QPushButton::clicked, this, [this] { Blaettere(&CSchichtDetailsDlg::Ende); });
    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
    connect(m_AusDBButton, &QPushButton::clicked, this, [this] { OnAusDB(); });
    connect(m_NachDBButton, &QPushButton::clicked, this, [this] { OnNachDB(); });
    connect(m_SanbarInnenCheck, &QCheckBox::clicked, this,
            [this] { m_SanMussInnenCheck->setEnabled(m_SanbarInnenCheck->isChecked()); });
    connect(m_SanbarAussenCheck, &QCheckBox::clicked, this,
            [this] { m_SanMussAussenCheck->setEnabled(m_SanbarAussenCheck->isChecked()); });
    connect(m_SanMussInnenCheck, &QCheckBox::clicked, this, [this] {
        TauscheSchichtseite(true);
        m_SowiesoInnenEdit->setEnabled(m_bSanMussInnen != 0);
    });
    connect(m_SanMussAussenCheck, &QCheckBox::clicked, this, [this] {
        TauscheSchichtseite(true);
        m_SowiesoAussenEdit->setEnabled(m_bSanMussAussen != 0);
    });
}

bool CSchichtDetailsDlg::OnInitDialog()
{
    const Werte w = LiesBauteil();
    // A component without a short name yet (the defaults of the input
    // steps) leaves no dangling dash in the caption.
    setWindowTitle(w.Kurzname.empty() ? Titel(m_art)
                                      : Titel(m_art) + QStringLiteral(" - ") + QString::fromStdString(w.Kurzname));
    m_NummerText->setText(QString::fromUtf8(Texte(m_art).nummer) + QString::number(w.Nummer));

    m_dDicke = w.Dicke * 100.0;
    m_dUWert = w.kWert;
    m_strName = w.Name;
    m_bSchichtaufbau = w.Schicht;
    m_bSanbarInnen = w.SanbarInnen;
    m_bSanbarZwischen = w.SanbarZwischen;
    m_bSanbarAussen = w.SanbarAussen;
    m_bSanMussInnen = w.SanMussInnen;
    m_bSanMussAussen = w.SanMussAussen;
    m_dSowiesoInnen = w.SowiesoInnen;
    m_dSowiesoAussen = w.SowiesoAussen;
    m_bGesamteFassadeBetrachten = w.GesamteFassadeBetrachten;
    m_nDachart = w.Warmdach != 0 ? 0 : 1;
    m_nErsteSchicht = 0;
    m_nAktuelleSchicht = 0;

    m_nSchichtzahl = std::max(Schichten().GetSize(), static_cast<int>(ZeilenProSeite));
    Schichten().SetSize(static_cast<std::size_t>(m_nSchichtzahl));

    m_SowiesoInnenEdit->setEnabled(w.SanMussInnen != 0);
    m_SowiesoAussenEdit->setEnabled(w.SanMussAussen != 0);
    if (m_kellerSperrtAussen)
        m_SanbarAussenCheck->setEnabled(false);

    ZeigeSchichtseite();
    return true;
}

void CSchichtDetailsDlg::DoDataExchange(DatenAustausch& dx)
{
    const double muMin = m_art == Bauteilart::Decke ? -1.0 : 0.0;
    auto& z = m_Zeilen;
    auto& f = m_Felder;
    dx.Kontrollkaestchen(m_SchichtaufbauCheck, m_bSchichtaufbau);
    dx.Zahl(m_UWertEdit, m_dUWert);
    dx.Zahl(f[0].lambda, z[0].lambda, 0, 1000);
    dx.Zahl(f[0].dicke, z[0].dicke, 0, 10000);
    dx.Zahl(m_DickeEdit, m_dDicke);
    dx.Text(m_NameEdit, m_strName, 30);
    for (std::size_t k = 1; k < ZeilenProSeite; ++k) {
        dx.Zahl(f[k].lambda, z[k].lambda, 0, 1000);
        dx.Zahl(f[k].dicke, z[k].dicke, 0, 10000);
    }
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Text(f[k].name, z[k].name);
    dx.Kontrollkaestchen(m_SanbarAussenCheck, m_bSanbarAussen);
    dx.Kontrollkaestchen(m_SanbarInnenCheck, m_bSanbarInnen);
    dx.Kontrollkaestchen(m_SanbarZwischenCheck, m_bSanbarZwischen);
    dx.Kontrollkaestchen(m_SanMussAussenCheck, m_bSanMussAussen);
    dx.Kontrollkaestchen(m_SanMussInnenCheck, m_bSanMussInnen);
    if (IstFlachdach())
        dx.Optionsgruppe({m_WarmdachRadio, m_KaltdachRadio}, m_nDachart);
    dx.Zahl(m_SowiesoAussenEdit, m_dSowiesoAussen);
    dx.Zahl(m_SowiesoInnenEdit, m_dSowiesoInnen);
    dx.Kontrollkaestchen(m_GesamteFassadeCheck, m_bGesamteFassadeBetrachten);
    for (std::size_t k = 0; k < ZeilenProSeite; ++k)
        dx.Zahl(f[k].mu, z[k].mu, muMin, MuMax);
}

void CSchichtDetailsDlg::ZeigeSchichtseite()
{
    for (std::size_t k = 0; k < ZeilenProSeite; ++k) {
        Zeile& z = m_Zeilen[k];
        if (m_bSchichtaufbau != 0) {
            const DSchicht& s = Schichten()[static_cast<std::size_t>(m_nErsteSchicht) + k];
            z.name = s.Name;
            z.lambda = s.Lambda;
            z.mu = s.Mu;
            z.dicke = s.Dicke * 100.0;
        } else {
            // The layers themselves stay; only the page shows nothing.
            z = Zeile{};
            m_Felder[k].r->clear();
        }
        m_Felder[k].radio->setText(QString::number(m_nErsteSchicht + static_cast<int>(k) + 1));
    }
    AktualisiereFreigaben();
    TauscheSchichtseite(false);
}

bool CSchichtDetailsDlg::TauscheSchichtseite(bool speichern)
{
    if (!speichern) {
        m_fuelltFelder = true;
        UpdateData(false);
        m_fuelltFelder = false;
        AktualisiereUWert();
        return true;
    }
    if (!UpdateData(true))
        return false;
    // Without a build-up the page shows empty rows that must never overwrite
    // the layers the user may switch back to.
    if (m_bSchichtaufbau == 0)
        return true;
    for (std::size_t k = 0; k < ZeilenProSeite; ++k) {
        DSchicht& s = Schichten()[static_cast<std::size_t>(m_nErsteSchicht) + k];
        const Zeile& z = m_Zeilen[k];
        s.Name = z.name;
        s.Lambda = z.lambda;
        s.Mu = z.mu;
        s.Dicke = z.dicke * 0.01;
    }
    return true;
}

bool CSchichtDetailsDlg::HatLuftschicht()
{
    const CDSchichtArray& schichten = Schichten();
    for (int i = 0; i < m_nSchichtzahl; ++i) {
        const int k = i - m_nErsteSchicht;
        const std::string name = k >= 0 && k < ZeilenProSeite
                                     ? m_Felder[static_cast<std::size_t>(k)].name->text().toStdString()
                                     : schichten[static_cast<std::size_t>(i)].Name;
        if (name == DSchicht::NameLuftschicht)
            return true;
    }
    return false;
}

void CSchichtDetailsDlg::AktualisiereUWert()
{
    if (m_bSchichtaufbau == 0)
        return;
    // The rows as typed now, the other layers from the list: the same rule as
    // every other place that computes a build-up.
    SchichtUWertRechner rechner(Tabellen(m_art).luftschichtFall);
    for (int i = 0; i < m_nSchichtzahl; ++i) {
        const int k = i - m_nErsteSchicht;
        if (k < 0 || k >= ZeilenProSeite) {
            rechner.Schicht(Schichten()[static_cast<std::size_t>(i)]);
            continue;
        }
        const ZeilenFelder& f = m_Felder[static_cast<std::size_t>(k)];
        DSchicht zeile;
        zeile.Name = f.name->text().toStdString();
        zeile.Dicke = LiveZahl(f.dicke) * 0.01;
        zeile.Lambda = LiveZahl(f.lambda);
        const SchichtBeitrag b = rechner.Schicht(zeile);
        QString text;
        if (b.eigenerWert)
            text = Stellen(RundeSignifikant(b.r, 3), 6);
        f.r->setText(text.isEmpty() ? KeinRWert : text);
    }
    const SchichtUWert ergebnis = rechner.Ergebnis();
    m_dDicke = ergebnis.DickeCm;
    m_dUWert = ergebnis.UWert;
    m_fuelltFelder = true;
    m_UWertEdit->setText(Stellen(m_dUWert, 8));
    m_DickeEdit->setText(Stellen(m_dDicke, 8));
    m_fuelltFelder = false;
    m_SanbarZwischenCheck->setEnabled(HatLuftschicht());
}

void CSchichtDetailsDlg::AktualisiereFreigaben()
{
    const bool an = m_bSchichtaufbau != 0;
    m_UWertEdit->setEnabled(!an);
    m_DickeEdit->setEnabled(!an);
    m_SanMussAussenCheck->setEnabled(m_bSanbarAussen != 0);
    m_SanMussInnenCheck->setEnabled(m_bSanbarInnen != 0);

    for (const ZeilenFelder& f : m_Felder)
        for (QWidget* w : {static_cast<QWidget*>(f.radio), static_cast<QWidget*>(f.name),
                           static_cast<QWidget*>(f.lambda), static_cast<QWidget*>(f.dicke),
                           static_cast<QWidget*>(f.mu)})
            w->setEnabled(an);

    QPushButton* anfang = m_Seiten->Anfang();
    QPushButton* hoch = m_Seiten->Hoch();
    QPushButton* runter = m_Seiten->Runter();
    QPushButton* ende = m_Seiten->Ende();
    const int k = m_nAktuelleSchicht - m_nErsteSchicht;
    for (int i = 0; i < ZeilenProSeite; ++i)
        m_Felder[static_cast<std::size_t>(i)].radio->setChecked(an && k == i + 1);
    if (an) {
        const bool zeileGewaehlt = k >= 1 && k <= ZeilenProSeite;
        for (QPushButton* b : {m_LoeschenButton, m_AusDBButton, m_NachDBButton})
            Freigabe(b, zeileGewaehlt, m_AbbrechenButton);
        runter->setEnabled(true);
        Freigabe(anfang, m_nErsteSchicht != 0, runter);
        Freigabe(hoch, m_nErsteSchicht != 0, runter);
        Freigabe(ende, m_nErsteSchicht + ZeilenProSeite != m_nSchichtzahl, hoch);
        m_SanbarZwischenCheck->setEnabled(HatLuftschicht());
    } else {
        m_SanbarZwischenCheck->setEnabled(true);
        for (QPushButton* b : {m_LoeschenButton, m_AusDBButton, m_NachDBButton, anfang, hoch, runter, ende})
            Freigabe(b, false, m_AbbrechenButton);
    }
}

bool CSchichtDetailsDlg::PruefeSchichten()
{
    if (!TauscheSchichtseite(true))
        return false;
    if (m_bSchichtaufbau == 0)
        return true;
    for (const Zeile& z : m_Zeilen) {
        if (z.name.empty() && (z.dicke > SchichtUWertRechner::Mindestwert || z.lambda > SchichtUWertRechner::Mindestwert)) {
            Meldung::Hinweis(QStringLiteral("Der Schichtaufbau ist nicht korrekt ausgefüllt."), Meldung::Symbol::Stopp,
                             this);
            return false;
        }
    }
    return true;
}

void CSchichtDetailsDlg::OnSchichtaufbau()
{
    // What was typed since the last exchange gives way to the members.
    m_bSchichtaufbau = m_SchichtaufbauCheck->isChecked() ? 1 : 0;
    ZeigeSchichtseite();
}

void CSchichtDetailsDlg::Blaettere(void (CSchichtDetailsDlg::*schritt)())
{
    if (!TauscheSchichtseite(true) || !PruefeSchichten())
        return;
    (this->*schritt)();
    ZeigeSchichtseite();
}

void CSchichtDetailsDlg::Anfang()
{
    m_nErsteSchicht = 0;
}

void CSchichtDetailsDlg::Hoch()
{
    if (m_nErsteSchicht > 0)
        --m_nErsteSchicht;
}

void CSchichtDetailsDlg::Runter()
{
    // At most MaxZeilen layers: from the last possible first row nothing moves.
    if (m_nErsteSchicht >= MaxZeilen - ZeilenProSeite)
        return;
    if (m_nErsteSchicht >= m_nSchichtzahl - ZeilenProSeite) {
        ++m_nSchichtzahl;
        Schichten().SetSize(static_cast<std::size_t>(m_nSchichtzahl));
    }
    ++m_nErsteSchicht;
}

void CSchichtDetailsDlg::Ende()
{
    if (m_nErsteSchicht < m_nSchichtzahl - ZeilenProSeite + 1)
        m_nErsteSchicht = m_nSchichtzahl - ZeilenProSeite;
}

void CSchichtDetailsDlg::OnZeile(int k)
{
    m_nAktuelleSchicht = m_nErsteSchicht + k;
    AktualisiereFreigaben();
}

void CSchichtDetailsDlg::OnLoeschen()
{
    if (!TauscheSchichtseite(true))
        return;
    if (m_nAktuelleSchicht < 1 || m_nAktuelleSchicht > m_nSchichtzahl)
        return;
    const QString frage = QStringLiteral("Schicht Nr. %1 löschen?").arg(m_nAktuelleSchicht);
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Vorgabe, this))
        return;
    Schichten().RemoveAt(static_cast<std::size_t>(m_nAktuelleSchicht - 1), 1);
    if (m_nSchichtzahl > ZeilenProSeite)
        --m_nSchichtzahl;
    else
        Schichten().SetSize(static_cast<std::size_t>(m_nSchichtzahl));
    if (m_nSchichtzahl - m_nErsteSchicht < ZeilenProSeite)
        --m_nErsteSchicht;
    m_nAktuelleSchicht = 0;
    ZeigeSchichtseite();
}

void CSchichtDetailsDlg::OnAusDB()
{
    if (!TauscheSchichtseite(true))
        return;
    if (m_nAktuelleSchicht < 1 || m_nAktuelleSchicht > m_nSchichtzahl)
        return;
    CSchichtenDBDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_AusDBButton->setFocus(Qt::OtherFocusReason);
    // The material, not the thickness: the layer keeps how thick it is.
    dlg.UebernimmIn(Schichten()[static_cast<std::size_t>(m_nAktuelleSchicht - 1)]);
    ZeigeSchichtseite();
    const int k = m_nAktuelleSchicht - m_nErsteSchicht;
    if (k >= 1 && k <= ZeilenProSeite) {
        QLineEdit* dicke = m_Felder[static_cast<std::size_t>(k - 1)].dicke;
        dicke->setFocus(Qt::OtherFocusReason);
        dicke->selectAll();
    }
}

void CSchichtDetailsDlg::OnNachDB()
{
    if (!TauscheSchichtseite(true))
        return;
    if (m_nAktuelleSchicht < 1 || m_nAktuelleSchicht > m_nSchichtzahl)
        return;
    CSchichtSpeichernDlg dlg(Schichten()[static_cast<std::size_t>(m_nAktuelleSchicht - 1)], this);
    dlg.exec();
}

void CSchichtDetailsDlg::OnFeldGeaendert()
{
    if (!m_fuelltFelder)
        AktualisiereUWert();
}

bool CSchichtDetailsDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusIn) {
        for (int k = 0; k < ZeilenProSeite; ++k) {
            const ZeilenFelder& f = m_Felder[static_cast<std::size_t>(k)];
            if (objekt == f.name || objekt == f.lambda || objekt == f.dicke || objekt == f.mu) {
                OnZeile(k + 1);
                break;
            }
        }
    }
    return DatenDialog::eventFilter(objekt, ereignis);
}

void CSchichtDetailsDlg::OnOK()
{
    if (!PruefeSchichten())
        return;
    Werte w = LiesBauteil();
    w.Dicke = m_dDicke * 0.01;
    w.kWert = m_dUWert;
    w.Name = m_strName;
    w.Schicht = m_bSchichtaufbau;
    w.SanbarInnen = m_bSanbarInnen;
    w.SanbarAussen = m_bSanbarAussen;
    w.SowiesoInnen = m_dSowiesoInnen;
    w.SowiesoAussen = m_dSowiesoAussen;
    if (IstFlachdach())
        w.Warmdach = m_nDachart == 0 ? 1 : 0;
    // Cavities only count where the build-up has an air layer.
    w.SanbarZwischen = m_SanbarZwischenCheck->isEnabled() ? m_bSanbarZwischen : 0;
    w.SanMussInnen = m_bSanMussInnen != 0 && m_bSanbarInnen != 0 ? 1 : 0;
    w.SanMussAussen = m_bSanMussAussen != 0 && m_bSanbarAussen != 0 ? 1 : 0;
    if (m_bSchichtaufbau != 0)
        EntferneLeereEndschichten(Schichten());
    else
        Schichten().SetSize(0);
    w.GesamteFassadeBetrachten = m_bGesamteFassadeBetrachten;
    SchreibeBauteil(w);
    if (EinzelModus == 0) {
        MeldeUebernahme();
        MeldeSchluss();
    }
    EndDialog(QDialog::Accepted);
}

void CSchichtDetailsDlg::OnCancel()
{
    if (EinzelModus == 0)
        MeldeSchluss();
    EndDialog(QDialog::Rejected);
}

} // namespace zeva
