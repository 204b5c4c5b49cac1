#include "results/CEnergiebilanzDlg.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "results/Zeichenflaeche.h"
#include "shell/CMainFrame.h"
#include "shell/Druckauswahl.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDate>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <type_traits>
#include <cmath>

namespace zeva {

using diagramm::Bereich;
using diagramm::Ecke;
using diagramm::Ganz;

namespace {

// The label of an axis tick: whole ticks without decimals, a half tick (the
// middle of an odd maximum) with its one decimal.
QString Teilungstext(double wert)
{
    return QString::fromStdString(Zahltext(wert, wert == std::floor(wert) ? 0 : 1));
}

const DBedarf& BedarfVon(const Haus& haus, int n)
{
    static const DBedarf leer;
    return n >= 0 && static_cast<std::size_t>(n) < haus.m_aBedarf.size() ? haus.m_aBedarf[static_cast<std::size_t>(n)]
                                                                         : leer;
}

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QString U(const std::string& text)
{
    return QString::fromStdString(text);
}

// A control of the column: its id, place and text.
template <class T>
T* Steuerelement(QWidget* eltern, int id, const QRect& ort, const QString& text)
{
    auto* e = new T(eltern);
    SetzeId(e, id);
    e->setGeometry(ort);
    if (!text.isEmpty()) {
        if constexpr (std::is_same_v<T, QGroupBox>)
            e->setTitle(text);
        else
            e->setText(text);
    }
    return e;
}

// The colours of the stacks; on paper some of them hatched.
struct Segmentfarbe {
    QColor farbe;
    Qt::BrushStyle druck;
};
const Segmentfarbe FarbeDach{QColor(0, 255, 0), Qt::DiagCrossPattern};
const Segmentfarbe FarbeWand{QColor(255, 255, 255), Qt::SolidPattern};
const Segmentfarbe FarbeFenster{QColor(255, 255, 0), Qt::BDiagPattern};
const Segmentfarbe FarbeBoden{QColor(125, 125, 125), Qt::SolidPattern};
const Segmentfarbe FarbeHeizverlust{QColor(255, 0, 0), Qt::CrossPattern};
const Segmentfarbe FarbeLueftung{QColor(0, 0, 255), Qt::SolidPattern};
const Segmentfarbe FarbeIntern{QColor(0, 128, 128), Qt::SolidPattern};
const Segmentfarbe FarbeSolar{QColor(255, 128, 0), Qt::BDiagPattern};
const Segmentfarbe FarbeHeizenergie{QColor(128, 0, 0), Qt::CrossPattern};

// One stacked bar from y: each segment y′ = y − value · scale.
void ZeichneStapel(Zeichenflaeche& z, bool drucken, int x, int y, int breite,
                   std::initializer_list<std::pair<double, const Segmentfarbe*>> segmente, double massstab)
{
    z.SetzeStift(Qt::black, 1);
    for (const auto& [wert, f] : segmente) {
        const int y2 = Ganz(y - wert * massstab);
        const Ecke ecken[] = {{x, y}, {x, y2}, {x + breite, y2}, {x + breite, y}, {x, y}};
        z.Polygon(ecken, z.Pinsel(f->farbe, drucken ? f->druck : Qt::SolidPattern));
        y = y2;
    }
}

} // namespace

// The segment values of one loss and one gain bar.
struct CEnergiebilanzDlg::Balkenwerte {
    double Dach = 0, Wand = 0, Fenster = 0, Boden = 0, Heizverlust = 0, Lueftung = 0;
    double Intern = 0, Solar = 0, Heizenergie = 0;
    double Verluste() const { return Dach + Wand + Fenster + Boden + Heizverlust + Lueftung; }
    double Gewinne() const { return Intern + Solar + Heizenergie; }
};

CEnergiebilanzDlg::CEnergiebilanzDlg(QWidget* parent, Haus& haus, const DOptionen& optionen, int variante,
                                     int darstellungsart)
    : QDialog(parent)
    , m_haus(haus)
    , m_optionen(optionen)
    , m_melder(this)
    , m_notifier(m_melder)
    , m_nAnzahlVarianten(std::max(0, static_cast<int>(haus.Varianten)))
    , m_nVariante(std::clamp(variante, 0, m_nAnzahlVarianten))
    , m_nDarstellungsart(std::clamp(darstellungsart, 1, 3))
    , m_nStartVariante(m_nVariante)
{
    setObjectName(QStringLiteral("CEnergiebilanzDlg"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/zeva/bilder/zeva.svg")));
    setMinimumSize(800, 600);
    resize(800, 600);

    auto radio = [](QWidget* eltern, int id, const char* text, int x, int y) {
        return Steuerelement<QRadioButton>(eltern, id, QRect(x, y, 150, 20), U(text));
    };

    m_ZustandRahmen = Steuerelement<QGroupBox>(this, 1004, QRect(5, 2, 175, 82), QString());
    m_Zustaende = new QButtonGroup(this);
    m_Zustaende->addButton(radio(m_ZustandRahmen, 1285, "Ist-Zustand", 10, 8), 1285);
    m_Zustaende->addButton(radio(m_ZustandRahmen, 1002, "Sanierung", 10, 32), 1002);
    m_Zustaende->addButton(radio(m_ZustandRahmen, 1003, "Vergleich", 10, 56), 1003);

    m_VarianteText = Steuerelement<QLabel>(this, 1005, QRect(8, 92, 90, 22), U("Sanierung Nr.:"));
    m_VarianteFeld = Steuerelement<QLineEdit>(this, 1009, QRect(98, 92, 32, 22), QString());
    m_VarianteFeld->setReadOnly(true);
    m_Zurueck = Steuerelement<QPushButton>(this, 1019, QRect(134, 92, 22, 22), QStringLiteral("<"));
    m_Weiter = Steuerelement<QPushButton>(this, 1018, QRect(158, 92, 22, 22), QStringLiteral(">"));

    // The kind radios stand in the column itself: the comparison hides them
    // with their frame.
    m_ArtRahmen = Steuerelement<QGroupBox>(this, 1010, QRect(5, 122, 175, 95), U("Darstellungsarten"));
    m_Arten = new QButtonGroup(this);
    m_Arten->addButton(radio(this, 1297, "Sankey (jährlich)", 15, 144), 1297);
    m_Arten->addButton(radio(this, 1298, "Balken (jährlich)", 15, 168), 1298);
    m_Arten->addButton(radio(this, 1299, "Balken (monatlich)", 15, 192), 1299);

    m_LegendeRahmen = Steuerelement<QGroupBox>(this, 1300, QRect(2, 232, 176, 270), U("Legende"));
    m_Drucken = Steuerelement<QPushButton>(this, 1016, QRect(20, 515, 140, 26), U("Drucken"));
    m_Schliessen = Steuerelement<QPushButton>(this, 1015, QRect(20, 550, 140, 26), U("Schließen"));
    m_Schliessen->setDefault(true);

    connect(m_Zustaende, &QButtonGroup::idClicked, this, [this](int id) { OnZustand(id); });
    connect(m_Arten, &QButtonGroup::idClicked, this, [this](int id) { OnDarstellungsart(id); });
    connect(m_Weiter, &QPushButton::clicked, this, [this] { OnVarianteBlaettern(1018); });
    connect(m_Zurueck, &QPushButton::clicked, this, [this] { OnVarianteBlaettern(1019); });
    connect(m_Drucken, &QPushButton::clicked, this, [this] { OnDrucken(); });
    connect(m_Schliessen, &QPushButton::clicked, this, &QDialog::accept);

    OnInitDialog();
}

CEnergiebilanzDlg::~CEnergiebilanzDlg() = default;

void CEnergiebilanzDlg::OnInitDialog()
{
    if (m_nVariante == 0) {
        if (m_nAnzahlVarianten == 0) {
            m_Zustaende->button(1002)->setEnabled(false);
            m_Zustaende->button(1003)->setEnabled(false);
        }
        m_nZustand = IstZustand;
        m_Zustaende->button(1285)->setChecked(true);
        ZeigeArten(true);
        ZeigeVariantenwahl(false);
    } else {
        m_nZustand = Sanierung;
        m_Zustaende->button(1002)->setChecked(true);
        ZeigeArten(true);
        ZeigeVariantenwahl(true);
    }
    SetzeTitelNachZustand();
    m_Arten->button(m_nDarstellungsart == BalkenJaehrlich ? 1298 : 1297)->setChecked(true);
    if (m_nDarstellungsart == BalkenMonatlich) {
        // No opener asks for the monthly bars first; shown as asked all the same.
        m_Arten->button(1299)->setChecked(true);
    }
    m_bDrucken = false;
    m_bMonatlich = false;
}

void CEnergiebilanzDlg::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    // Centred over the opening window (or the screen).
    const QWidget* ueber = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect bezug = ueber ? ueber->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
    if (bezug.isValid())
        move(bezug.center() - QPoint(width() / 2, height() / 2));
}

void CEnergiebilanzDlg::ZeigeVariantenwahl(bool sichtbar)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_VarianteFeld, m_Weiter, m_Zurueck, m_VarianteText})
        w->setVisible(sichtbar);
    if (sichtbar)
        m_VarianteFeld->setText(QString::number(m_nVariante));
}

void CEnergiebilanzDlg::ZeigeArten(bool sichtbar)
{
    m_ArtRahmen->setVisible(sichtbar);
    for (QAbstractButton* b : m_Arten->buttons())
        b->setVisible(sichtbar);
}

void CEnergiebilanzDlg::SetzeTitelNachZustand()
{
    switch (m_nZustand) {
    case IstZustand: setWindowTitle(U("Ist-Zustand")); break;
    case Sanierung: setWindowTitle(U("Sanierungsvariante %1").arg(m_nVariante)); break;
    default: setWindowTitle(U("Vergleich zwischen Bestand und Sanierungsvariante %1").arg(m_nVariante)); break;
    }
}

void CEnergiebilanzDlg::OnZustand(int id)
{
    switch (id) {
    case 1285:
        m_nZustand = IstZustand;
        ZeigeArten(true);
        ZeigeVariantenwahl(false);
        m_nVariante = 0;
        SetzeTitelNachZustand();
        break;
    case 1002:
        m_nZustand = Sanierung;
        if (m_nVariante == 0)
            m_nVariante = 1;
        ZeigeArten(true);
        ZeigeVariantenwahl(true);
        SetzeTitelNachZustand();
        break;
    case 1003:
        m_nZustand = Vergleich;
        m_nDarstellungsart = BalkenJaehrlich;
        if (m_nVariante == 0)
            m_nVariante = 1;
        m_Arten->button(1298)->setChecked(true);
        ZeigeArten(false);
        ZeigeVariantenwahl(true);
        SetzeTitelNachZustand();
        break;
    default: break;
    }
    if (QAbstractButton* b = m_Zustaende->button(id))
        b->setChecked(true);
    update();
}

void CEnergiebilanzDlg::OnVarianteBlaettern(int id)
{
    int neu = m_nVariante;
    if (id == 1018 && m_nVariante + 1 <= m_nAnzahlVarianten)
        neu = m_nVariante + 1;
    else if (id == 1019 && m_nVariante - 1 >= 1)
        neu = m_nVariante - 1;
    if (neu != m_nVariante) {
        m_nVariante = neu;
        m_VarianteFeld->setText(QString::number(m_nVariante));
        if (m_nZustand != IstZustand)
            SetzeTitelNachZustand();
    }
    update();
}

void CEnergiebilanzDlg::OnDarstellungsart(int id)
{
    if (id >= 1297 && id <= 1299)
        m_nDarstellungsart = id - 1296;
    update();
}

void CEnergiebilanzDlg::Rechne(Haus& haus, int n)
{
    DaempfbarerNotifier::Stumm stumm(m_notifier);
    haus.BerechneBedarf(n, m_notifier);
}

void CEnergiebilanzDlg::RechneAlle()
{
    for (int n = 0; n <= m_nAnzahlVarianten; ++n)
        Rechne(m_haus, n);
}

void CEnergiebilanzDlg::MeldeVerschluckte()
{
    if (m_bGemeldet || m_notifier.VerschluckteTexte().empty())
        return;
    m_bGemeldet = true;
    // Not from inside a paint: the message comes when the paint is done.
    std::vector<std::string> texte = m_notifier.VerschluckteTexte();
    m_notifier.VergissVerschluckte();
    QTimer::singleShot(0, this, [this, texte] {
        for (const std::string& text : texte)
            m_melder.Nachricht(text, Notifier::Art::Warnung);
    });
}

void CEnergiebilanzDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Zeichenflaeche z(painter);
    const QRect r = rect();
    const Bereich diagramm{static_cast<double>(r.left() + Spaltenbreite), static_cast<double>(r.top()),
                           static_cast<double>(r.width() - Spaltenbreite), static_cast<double>(r.height())};
    Zeichne(z, diagramm, Bereich{0, 250, 150, 500}, false);
    MeldeVerschluckte();
}

void CEnergiebilanzDlg::Zeichne(Zeichenflaeche& z, const Bereich& diagramm, const Bereich& legende, bool drucken)
{
    m_bDrucken = drucken;
    m_rcDiagramm = diagramm;
    m_rcLegende = legende;
    if (!drucken) {
        // The drawing area: white, outlined.
        const int l = Ganz(diagramm.L), t = Ganz(diagramm.T);
        const int r = Ganz(diagramm.L + diagramm.W) - 1, b = Ganz(diagramm.T + diagramm.H) - 1;
        const Ecke flaeche[] = {{l, t}, {r, t}, {r, b}, {l, b}};
        z.SetzeStift(Qt::black, 1);
        z.Polygon(flaeche, z.Pinsel(Qt::white));
    }
    if (m_nZustand == Vergleich) {
        if (m_nDarstellungsart == BalkenJaehrlich)
            ZeichneJahresbilanz(z);
    } else {
        switch (m_nDarstellungsart) {
        case Sankey: SankeyDiagramm(z); break;
        case BalkenJaehrlich: ZeichneJahresbilanz(z); break;
        case BalkenMonatlich: ZeichneMonatsbilanz(z); break;
        default: break;
        }
    }
    m_bDrucken = false;
}

// ---- Energy flow

void CEnergiebilanzDlg::SankeyDiagramm(Zeichenflaeche& z)
{
    Rechne(m_haus, m_nVariante);
    const Bereich& b = m_rcDiagramm;
    const diagramm::Energiefluesse e = diagramm::Energiefluesse::Aus(BedarfVon(m_haus, m_nVariante));
    const diagramm::Anteile a = diagramm::Anteile::Aus(e);
    const bool heizverlust = e.Heizungsverlust > 0;
    const bool negativ = e.Heizungsverlust < 0;
    const double W = b.W, H = b.H;
    auto X = [&](double f) { return b.X(f); };
    auto Y = [&](double f) { return b.Y(f); };

    z.SetzeStift(Qt::black, 1);
    auto ueberschrift = [&] { z.SetzeSchrift(Ganz(0.05 * H), Ganz(0.013 * W), 700, true); };
    auto beschriftung = [&] { z.SetzeSchrift(Ganz(0.04 * H), Ganz(0.012 * W), 700); };
    auto wertschrift = [&] { z.SetzeSchrift(Ganz(0.03 * H), Ganz(0.01 * W), 300); };

    if (a.Zeichenbar) {
        struct Kasten {
            double x1, x2, y1, y2;
            double wert;
            bool prozent;
            bool nurHeizverlust;
        };
        const Kasten kaesten[] = {
            {0.054, 0.231, 0.095, 0.143, e.Zufuhr(), false, false},
            {0.054, 0.231, 0.315, 0.363, e.Intern, false, false},
            {0.054, 0.231, 0.482, 0.530, e.Solar, false, false},
            {0.054, 0.231, 0.649, 0.697, e.Heizenergie, false, false},
            {0.785, 0.969, 0.095, 0.143, e.Verlust(), false, false},
            {0.785, 0.969, 0.238, 0.286, e.Dach, false, false},
            {0.785, 0.969, 0.381, 0.429, e.Waende, false, false},
            {0.785, 0.969, 0.524, 0.572, e.Fenster, false, false},
            {0.785, 0.969, 0.667, 0.715, e.Lueftung, false, false},
            {0.785, 0.969, 0.810, 0.853, e.Boden, false, false},
            {0.409, 0.591, 0.095, 0.143, e.Heizungsverlust, false, true},
            {0.162, 0.231, 0.369, 0.417, a.fI * 100, true, false},
            {0.162, 0.231, 0.536, 0.584, a.fS * 100, true, false},
            {0.162, 0.231, 0.703, 0.751, a.fH * 100, true, false},
            {0.900, 0.969, 0.292, 0.340, a.fR * 100, true, false},
            {0.900, 0.969, 0.435, 0.483, a.fWa * 100, true, false},
            {0.900, 0.969, 0.578, 0.626, a.fWi * 100, true, false},
            {0.900, 0.969, 0.721, 0.769, a.fV * 100, true, false},
            {0.900, 0.969, 0.864, 0.912, a.fB * 100, true, false},
            {0.520, 0.591, 0.149, 0.197, a.fQ * 100, true, true},
        };
        wertschrift();
        for (const Kasten& k : kaesten) {
            if (k.nurHeizverlust && !heizverlust)
                continue;
            const int x1 = X(k.x1), x2 = X(k.x2), y1 = Y(k.y1), y2 = Y(k.y2);
            z.Linie(x1, y1, x2, y1);
            z.Linie(x2, y1, x2, y2);
            z.Linie(x2, y2, x1, y2);
            z.Linie(x1, y2, x1, y1);
            // A flow is the figure the balance page shows, rounded as there
            // to three significant digits before its one decimal.
            const std::string text = k.prozent ? diagramm::Zahl(k.wert, 1) + " %"
                                               : Zahltext(k.wert, 1, 3) + " kWh/(m²a)";
            z.Text((x1 + x2) / 2, Ganz(y2 - 0.005 * H), U(text), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Unten);
        }
    }

    if (m_bDrucken) {
        ueberschrift();
        const QString titel = m_nVariante == 0 ? U("Jährliche Bilanz für den Bestand")
                                               : U("Jährliche Bilanz für die Sanierung Nr.%1").arg(m_nVariante);
        z.Text(Ganz(b.L + W / 2), Ganz(b.T + 100), titel, Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Grundlinie);
    }
    ueberschrift();
    z.Text(X(0.054), Y(0.08), U(negativ ? "ENERGIEZUFUHR*" : "ENERGIEZUFUHR"), Zeichenflaeche::H::Links,
           Zeichenflaeche::V::Grundlinie);
    z.Text(X(0.969), Y(0.08), U(negativ ? "*WÄRMEVERLUSTE" : "WÄRMEVERLUSTE"), Zeichenflaeche::H::Rechts,
           Zeichenflaeche::V::Grundlinie);

    const diagramm::SankeyPolygone p = diagramm::SankeyEcken(b, a, heizverlust);
    if (a.Zeichenbar) {
        beschriftung();
        const std::pair<const char*, std::pair<double, double>> texte[] = {
            {"Intern", {0.054, 0.3}},  {"Solar", {0.054, 0.467}},   {"Heizenergiebedarf", {0.054, 0.634}},
            {"Dach", {0.785, 0.223}},  {"Wände", {0.785, 0.366}},   {"Fenster", {0.785, 0.509}},
            {"Lüftung", {0.785, 0.652}}, {"Boden", {0.785, 0.795}},
        };
        for (const auto& [text, ort] : texte) {
            // The labels of the supply end before the tip of the arrows
            // (X 0.254): a long one moves left rather than run into them.
            int x = X(ort.first);
            if (ort.first < 0.5)
                x = std::min(x, X(0.244) - z.TextBreite(U(text)));
            z.Text(x, Y(ort.second), U(text), Zeichenflaeche::H::Links, Zeichenflaeche::V::Grundlinie);
        }
        if (heizverlust)
            z.Text(X(0.409), Y(0.08), U("Heizungsverluste"), Zeichenflaeche::H::Links, Zeichenflaeche::V::Grundlinie);
    }

    z.SetzeStift(Qt::black, 1);
    z.Polygon(p.Haus, z.Pinsel(QColor(128, 128, 128)));
    if (a.Zeichenbar) {
        z.Polygon(p.Zufuhr, z.Pinsel(QColor(255, 0, 0)));
        z.Polygon(p.Verluste, z.Pinsel(QColor(0, 0, 255)));
    }

    wertschrift();
    z.Text(Ganz(b.L + W / 2), Y(0.9),
           U("Energiebezugsfläche : " + Zahltext(m_haus.Energiebezugsflaeche, 1, 3) + " m²"),
           Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Oben);

    if (negativ && a.Zeichenbar) {
        z.Text(Ganz(b.L + W / 2), Y(0.06), U("*Anmerkung:"), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Oben);
        const int x = X(0.2631578947368421);
        z.Text(x, Y(0.1), U("Die Differenz zwischen Energiezufuhr und"));
        z.Text(x, Y(0.13), U("Wärmeverlusten resultiert aus Heizungsgewinnen"));
        z.Text(x, Y(0.16), U("durch Brennwertnutzung des Abgases."));
    }
}

// ---- Bars

CEnergiebilanzDlg::Balkenwerte CEnergiebilanzDlg::Jahreswerte(int n) const
{
    const diagramm::Energiefluesse e = diagramm::Energiefluesse::Aus(BedarfVon(m_haus, n));
    Balkenwerte w;
    w.Dach = e.Dach;
    w.Wand = e.Waende;
    w.Fenster = e.Fenster;
    w.Boden = e.Boden;
    w.Heizverlust = e.Heizungsverlust;
    w.Lueftung = e.Lueftung;
    w.Intern = e.Intern;
    w.Solar = e.Solar;
    w.Heizenergie = e.Heizenergie;
    return w;
}

CEnergiebilanzDlg::Balkenwerte CEnergiebilanzDlg::Monatswerte(const Haus& t, int m) const
{
    const auto i = static_cast<std::size_t>(m);
    Balkenwerte w;
    w.Dach = t.MonatFlachdach[i] + t.MonatSteildach[i] + t.MonatDecke[i];
    w.Wand = t.MonatWand[i];
    w.Fenster = t.MonatFenster[i];
    w.Boden = t.MonatBoden[i];
    w.Heizverlust = m_aHeizungsverlustMonat[i];
    w.Lueftung = t.MonatLueftung[i];
    w.Intern = t.MonatIntern[i];
    w.Solar = t.MonatSolar[i];
    w.Heizenergie = m_aHeizenergieMonat[i];
    return w;
}

void CEnergiebilanzDlg::ZeichneVerlustbalken(Zeichenflaeche& z, int x, int y, int breite, const Balkenwerte& w,
                                             bool heizverlust, double massstab)
{
    // The heating losses only when they are losses.
    if (heizverlust)
        ZeichneStapel(z, m_bDrucken, x, y, breite,
                      {{w.Dach, &FarbeDach}, {w.Wand, &FarbeWand}, {w.Fenster, &FarbeFenster}, {w.Boden, &FarbeBoden},
                       {w.Heizverlust, &FarbeHeizverlust}, {w.Lueftung, &FarbeLueftung}},
                      massstab);
    else
        ZeichneStapel(z, m_bDrucken, x, y, breite,
                      {{w.Dach, &FarbeDach}, {w.Wand, &FarbeWand}, {w.Fenster, &FarbeFenster}, {w.Boden, &FarbeBoden},
                       {w.Lueftung, &FarbeLueftung}},
                      massstab);
}

void CEnergiebilanzDlg::ZeichneGewinnbalken(Zeichenflaeche& z, int x, int y, int breite, const Balkenwerte& w,
                                            double massstab)
{
    ZeichneStapel(z, m_bDrucken, x, y, breite,
                  {{w.Intern, &FarbeIntern}, {w.Solar, &FarbeSolar}, {w.Heizenergie, &FarbeHeizenergie}}, massstab);
}

void CEnergiebilanzDlg::ZeichneTitel(Zeichenflaeche& z, const QString& titel)
{
    const Bereich& b = m_rcDiagramm;
    z.SetzeSchrift(Ganz(0.05 * b.H), Ganz(0.013 * b.W), 700, true);
    z.Text(Ganz(b.L + b.W / 2), Ganz(b.T + 100), titel, Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Grundlinie);
}

void CEnergiebilanzDlg::ZeichneAnmerkung(Zeichenflaeche& z, const char* const zeilen[3], double yAnmerkung,
                                         bool anmerkungOben, const double yZeilen[3])
{
    const Bereich& b = m_rcDiagramm;
    z.Text(Ganz(b.L + b.W / 2), b.Y(yAnmerkung), U("Anmerkung:"), Zeichenflaeche::H::Mitte,
           anmerkungOben ? Zeichenflaeche::V::Oben : Zeichenflaeche::V::Grundlinie);
    const int x = b.X(5.0 / 19.0);
    for (int i = 0; i < 3; ++i)
        z.Text(x, b.Y(yZeilen[i]), U(zeilen[i]));
}

void CEnergiebilanzDlg::ZeichneJahresbilanz(Zeichenflaeche& z)
{
    RechneAlle();
    const Bereich& b = m_rcDiagramm;
    const double W = b.W, H = b.H;
    auto X = [&](double f) { return b.X(f); };
    auto Y = [&](double f) { return b.Y(f); };

    double m = 0;
    for (int n = 0; n <= m_nAnzahlVarianten; ++n) {
        const Balkenwerte w = Jahreswerte(n);
        m = std::max({m, w.Verluste(), w.Gewinne()});
    }
    const int x0 = X(0.0923);
    const int yB = Y(0.9375);
    const int yT = Y(0.1607);
    const long j = diagramm::Achsenmaximum(m);

    if (m_bDrucken)
        ZeichneTitel(z, m_nVariante == 0 ? U("Jährliche Bilanz für den Bestand")
                                         : U("Jährliche Bilanz für die Sanierung Nr.%1").arg(m_nVariante));

    // Axes with arrow heads.
    z.SetzeStift(Qt::black, 1);
    const QBrush schwarz = z.Pinsel(Qt::black);
    const int xE = X(0.9154);
    const int dx = Ganz(0.0192 * W), dy = Ganz(0.0179 * H);
    z.Linie(x0, yB, xE, yB);
    const Ecke pfeilX[] = {{xE, yB}, {xE, yB + dy}, {xE + dx, yB}, {xE, yB - dy}};
    z.Polygon(pfeilX, schwarz);
    const int yE = Y(0.1071);
    z.Linie(x0, yB, x0, yE);
    const Ecke pfeilY[] = {{x0, yE}, {x0 - dx, yE}, {x0, yE - dy}, {x0 + dx, yE}};
    z.Polygon(pfeilY, schwarz);

    if (m_bDrucken)
        z.SetzeSchrift(50, 10, 400);
    else
        z.SetzeSchrift(Ganz(0.03 * H), Ganz(0.01 * W), 400);
    const int yMitte = yT + (yB - yT) / 2;
    z.Linie(x0 - dx, yT, x0 + dx, yT);
    z.Linie(x0 - dx, yMitte, x0 + dx, yMitte);
    z.Text(x0 - dx, yT, Teilungstext(static_cast<double>(j)), Zeichenflaeche::H::Rechts, Zeichenflaeche::V::Grundlinie);
    z.Text(x0 - dx, yMitte, Teilungstext(j / 2.0), Zeichenflaeche::H::Rechts, Zeichenflaeche::V::Grundlinie);
    z.Text((x0 + X(0.1654)) / 2, yT, U("kWh/(m²a)"), Zeichenflaeche::H::Links, Zeichenflaeche::V::Unten);

    if (j > 0) {
        const double massstab = static_cast<double>(yB - yT) / static_cast<double>(j);
        auto balken = [&](int n, double vl, double vr, double gl, double gr) {
            const Balkenwerte w = Jahreswerte(n);
            const bool heizverlust = w.Heizverlust > 0;
            ZeichneVerlustbalken(z, X(vl), yB, X(vr) - X(vl), w, heizverlust, massstab);
            ZeichneGewinnbalken(z, X(gl), yB, X(gr) - X(gl), w, massstab);
        };
        if (m_nZustand == Vergleich) {
            balken(0, 0.1654, 0.3038, 0.3385, 0.4769);
            balken(m_nVariante, 0.5846, 0.7231, 0.7615, 0.9);
        } else {
            balken(m_nVariante, 0.1654, 0.4769, 0.5846, 0.9);
        }
    }
    if (m_nZustand == Vergleich) {
        const double breite = W; // right − left of the area
        z.Text(Ganz(b.L + breite * 0.3125), Y(0.03), U("Bestand"), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Oben);
        z.Text(Ganz(b.L + breite * 10.0 / 13.0), Y(0.03), U("Sanierung %1").arg(m_nVariante), Zeichenflaeche::H::Mitte,
               Zeichenflaeche::V::Oben);
    }
    if (BedarfVon(m_haus, m_nVariante).Heizungsverlust < 0) {
        static const char* const zeilen[3] = {"Die Differenz zwischen Gewinnsumme und",
                                              "Verlustsumme resultiert aus Heizungsgewinnen",
                                              "durch Brennwertnutzung des Abgases."};
        static const double y[3] = {0.1, 0.13, 0.16};
        ZeichneAnmerkung(z, zeilen, 0.06, true, y);
    }
    ZeichneLegende(z);
}

void CEnergiebilanzDlg::ZeichneMonatsbilanz(Zeichenflaeche& z)
{
    m_bMonatlich = true;
    RechneAlle();
    const Bereich& b = m_rcDiagramm;
    const double W = b.W, H = b.H;
    auto X = [&](double f) { return b.X(f); };
    auto Y = [&](double f) { return b.Y(f); };

    // The monthly tables are those of the shown state: a variant's are
    // computed on a copy of the house with its measures applied.
    const Haus* tabellen = &m_haus;
    std::unique_ptr<Haus> kopie;
    if (m_nVariante > 0) {
        kopie = std::make_unique<Haus>(m_haus);
        kopie->WendeVarianteAn(m_nVariante);
        Rechne(*kopie, 0);
        tabellen = kopie.get();
    }

    const DBedarf& d = BedarfVon(m_haus, m_nVariante);
    const bool heizverlust = d.Heizungsverlust > 0;
    const double o = d.Heizungsverlust / d.Brennstoffenergiebedarf + 1;
    const bool rechenbar = d.Brennstoffenergiebedarf != 0 && std::isfinite(o);
    double m = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        const Haus& t = *tabellen;
        const double em = t.MonatWand[i] + t.MonatDecke[i] + t.MonatBoden[i] + t.MonatFenster[i] +
                          t.MonatSteildach[i] + t.MonatFlachdach[i] + t.MonatLueftung[i] - t.MonatSolar[i] -
                          t.MonatIntern[i];
        // A month without net demand has no heating segment.
        const double netto = rechenbar ? std::max(em, 0.0) : 0.0;
        m_aHeizenergieMonat[i] = rechenbar ? o * netto : 0.0;
        m_aHeizungsverlustMonat[i] = rechenbar ? o * netto - netto : 0.0;
        m = std::max(m, t.MonatIntern[i] + t.MonatSolar[i] + m_aHeizenergieMonat[i]);
    }
    const long j = rechenbar ? diagramm::Achsenmaximum(m) : 0;

    const int x0 = X(0.0923), x1 = X(0.9375);
    const int yT = Y(0.1), yU = Y(0.9);
    const int haelfte = (yU - yT) / 2;
    const int yM = yT + haelfte;

    if (m_bDrucken)
        ZeichneTitel(z, m_nVariante == 0 ? U("Monatliche Bilanz für den Bestand")
                                         : U("Monatliche Bilanz für die Sanierung Nr.%1").arg(m_nVariante));

    z.SetzeStift(Qt::black, 1);
    const QBrush schwarz = z.Pinsel(Qt::black);
    const int dx = Ganz(0.0192 * W), dy = Ganz(0.0179 * H);
    z.Linie(x0, yM, x1, yM);
    const Ecke pfeilX[] = {{x1, yM}, {x1, yM + dy}, {x1 + dx, yM}, {x1, yM - dy}};
    z.Polygon(pfeilX, schwarz);
    z.Linie(x0, yU, x0, yT);
    const Ecke pfeilY[] = {{x0, yT}, {x0 - dx, yT}, {x0, yT - dy}, {x0 + dx, yT}};
    z.Polygon(pfeilY, schwarz);

    if (m_bDrucken)
        z.SetzeSchrift(50, 10, 400);
    else
        z.SetzeSchrift(Ganz(0.03 * H), Ganz(0.01 * W), 400);
    const int viertel = (yU - yT) / 4;
    const std::pair<int, double> ticks[] = {{yT, static_cast<double>(j)}, {yT + viertel, j / 2.0}, {yU, static_cast<double>(j)}, {yU - viertel, j / 2.0}};
    for (const auto& [y, wert] : ticks) {
        z.Linie(x0 - dx, y, x0 + dx, y);
        z.Text(x0 - dx, y, Teilungstext(wert), Zeichenflaeche::H::Rechts, Zeichenflaeche::V::Grundlinie);
    }
    z.Text(x0, Ganz(yT - 0.0379 * H), U("kWh/m²"), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Unten);

    const diagramm::Monatslayout l = diagramm::Monatslayout::Aus(x0, x1);
    for (int monat = 0; monat < 12; ++monat) {
        const int x = l.BalkenX(monat);
        if (j > 0) {
            const double massstab = static_cast<double>(haelfte) / static_cast<double>(j);
            const Balkenwerte w = Monatswerte(*tabellen, monat);
            ZeichneVerlustbalken(z, x, yM, l.b, w, heizverlust, -massstab);
            ZeichneGewinnbalken(z, x, yM, l.b, w, massstab);
        }
        z.Text(x + l.b / 2, yT, U(diagramm::Monatsnamen()[static_cast<std::size_t>(monat)]), Zeichenflaeche::H::Mitte,
               Zeichenflaeche::V::Grundlinie);
    }

    if (d.Heizungsverlust < 0) {
        static const char* const zeilen[3] = {"Die Differenz zwischen monatlicher Gewinnsumme und",
                                              "monatlicher Verlustsumme resultiert aus Heizungsgewinnen",
                                              "durch Brennwertnutzung des Abgases."};
        static const double y[3] = {0.89, 0.92, 0.95};
        ZeichneAnmerkung(z, zeilen, 0.87, false, y);
    }
    m_bMonatlich = false;
    ZeichneLegende(z);
}

void CEnergiebilanzDlg::ZeichneLegende(Zeichenflaeche& z)
{
    const double x0 = m_rcLegende.L, y0 = m_rcLegende.T;
    const double wl = m_rcLegende.W, hl = m_rcLegende.H;
    if (m_bDrucken)
        z.SetzeSchrift(45, 20, 400);
    else
        z.SetzeSchrift(10, 4, 400);
    z.Text(Ganz(x0 + 0.1 * wl), Ganz(y0 + 0.075 * hl), U("Verluste :"));
    z.Text(Ganz(x0 + 0.5733 * wl), Ganz(y0 + 0.075 * hl), U("Gewinne :"));
    z.SetzeStift(Qt::black, 1);
    auto spalte = [&](double xl, double xr, double xt, std::initializer_list<std::pair<const char*, Segmentfarbe>> z_) {
        int y = Ganz(y0 + 0.12 * hl);
        for (const auto& [text, f] : z_) {
            const int y2 = Ganz(y + 0.03 * hl);
            const Ecke ecken[] = {{Ganz(x0 + xl * wl), y}, {Ganz(x0 + xr * wl), y}, {Ganz(x0 + xr * wl), y2},
                                  {Ganz(x0 + xl * wl), y2}};
            z.Polygon(ecken, z.Pinsel(f.farbe, m_bDrucken ? f.druck : Qt::SolidPattern));
            z.Text(Ganz(x0 + xt * wl), y, U(text));
            y = Ganz(y2 + 0.025 * hl);
        }
    };
    spalte(0.1, 0.2567, 0.2967,
           {{"Lüftung", FarbeLueftung},
            {"Heizung", FarbeHeizverlust},
            {"Boden", FarbeBoden},
            {"Fenster", FarbeFenster},
            {"Wand", FarbeWand},
            {"Dach", FarbeDach}});
    spalte(0.5733, 0.71, 0.76, {{"Intern", FarbeIntern}, {"Solar", FarbeSolar}, {"Heizung", FarbeHeizenergie}});
}

// ---- Printing

void CEnergiebilanzDlg::DruckeKopfzeile(Zeichenflaeche& z, const Bereich& kopf, const Haus& haus)
{
    const int l = Ganz(kopf.L), t = Ganz(kopf.T), r = Ganz(kopf.L + kopf.W), b = Ganz(kopf.T + kopf.H);
    z.SetzeStift(Qt::black, 1);
    z.Linie(l, b, r, b);
    z.SetzeSchrift(50, 20, 600, true);
    z.Text(l, t, U("Projektname:"));
    z.SetzeSchrift(50, 20, 400);
    z.Text(l + 300, t, U(haus.Beschreibung));
    z.Text(r - 400, t, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    z.Text(r - 300, t - 70, U("Seite 1"));
}

void CEnergiebilanzDlg::DruckeFusszeile(Zeichenflaeche& z, const Bereich& fuss)
{
    const int l = Ganz(fuss.L), t = Ganz(fuss.T), r = Ganz(fuss.L + fuss.W);
    z.SetzeStift(Qt::black, 1);
    z.Linie(l, t, r, t);
    z.SetzeSchrift(40, 15, 400, false, true);
    z.Text(r / 2, t - 20, U(CMainFrame::VersionsText), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Oben);
    z.SetzeSchrift(40, 15, 700);
    z.Text(r / 2, t - 100, U(Hinweiszeile), Zeichenflaeche::H::Mitte, Zeichenflaeche::V::Oben);
}

void CEnergiebilanzDlg::Drucke(QPrinter& drucker)
{
    drucker.setDocName(windowTitle());
    drucker.setFullPage(false);
    QPainter painter;
    if (!Druckauswahl::Beginne(painter, &drucker, this))
        return;
    Zeichenflaeche z(painter, drucker.logicalDpiX(), drucker.logicalDpiY());
    DruckeKopfzeile(z, Bereich{0, 0, 2100, -150}, m_haus);
    Zeichne(z, Bereich{100, -400, 1850, -1500}, Bereich{100, -1750, 975, -1200}, true);
    DruckeFusszeile(z, Bereich{0, -2650, 2100, -100});
    painter.end();
    MeldeVerschluckte();
}

void CEnergiebilanzDlg::OnDrucken()
{
    QPrinter& drucker = Druckauswahl::Drucker();
    if (Druckauswahl::Frage(drucker, this))
        Drucke(drucker);
}

} // namespace zeva
