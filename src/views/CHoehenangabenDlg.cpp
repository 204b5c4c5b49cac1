#include "views/CHoehenangabenDlg.h"

#include "geometry/Planzeichnung.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "ui/SteuerelementId.h"
#include "views/CDacheingabeDlg.h"
#include "views/CEingabeAssistentDlg.h"
#include "views/Zeichnungsbild.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

constexpr int BildBreite = 630;
constexpr int BildHoehe = 795;
// Heights, metres, and storeys (two digits in a plane's name).
constexpr double HoeheMax = 100;
constexpr int GeschosseMax = 99;

// The fields in the order of their focus numbers 1 … 7, with their labels and
// units.
struct Feld {
    int id;
    int label;
    const char* text;
    int einheit; // 0 none
};
constexpr Feld Felder[7] = {
    {CHoehenangabenDlg::IDC_HOEHE_UEBER_GRUND, 1309, "Höhe über Grund", 1337},
    {CHoehenangabenDlg::IDC_GESCHOSSHOEHE, 1310, "Vollgeschoßhöhe", 1317},
    {CHoehenangabenDlg::IDC_GESCHOSSE, 1311, "Vollgeschosse", 0},
    {CHoehenangabenDlg::IDC_KELLERHOEHE, 1312, "Kellerhöhe", 1318},
    {CHoehenangabenDlg::IDC_DREMPELHOEHE, 1313, "Drempelhöhe", 1319},
    {CHoehenangabenDlg::IDC_DACHHOEHE, 1314, "Dachhöhe", 1320},
    {CHoehenangabenDlg::IDC_DACHGESCHOSSHOEHE, 1336, "Dachgeschoßhöhe", 1321},
};
// Picture numbers by focus number 0 … 7.
constexpr int Bilder[8] = {256, 256, 261, 257, 262, 260, 259, 258};

} // namespace

// The picture below the fields, as wide as the pane allows.
class CHoehenangabenDlg::Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* eltern) : QWidget(eltern)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumHeight(40);
    }
    void SetzeBild(int nummer)
    {
        if (nummer == m_nummer)
            return;
        m_nummer = nummer;
        m_bild = Hoehenbild(Feldnummer(nummer), m_steildach);
        update();
    }
    // The sample house has the roof form of the house being entered.
    void SetzeSteildach(bool steildach)
    {
        if (steildach == m_steildach)
            return;
        m_steildach = steildach;
        m_bild = Hoehenbild(Feldnummer(m_nummer), m_steildach);
        update();
    }
    static int Feldnummer(int bild)
    {
        for (int f = 1; f <= 7; ++f)
            if (Bilder[f] == bild)
                return f;
        return 1;
    }
    QRect Rechteck() const
    {
        int w = width();
        int h = w * BildHoehe / BildBreite;
        if (h > height()) {
            h = height();
            w = h * BildBreite / BildHoehe;
        }
        return QRect((width() - w) / 2, 0, w, h);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        maler.setRenderHint(QPainter::SmoothPixmapTransform, true);
        maler.drawPixmap(Rechteck(), m_bild);
    }

private:
    int m_nummer = 0;
    bool m_steildach = true;
    QPixmap m_bild;
};

QPixmap Hoehenbild(int feld, bool steildach)
{
    QPixmap bild(BildBreite, BildHoehe);
    bild.fill(Qt::white);
    // A sample house: two storeys over a basement, with a pitched roof, a
    // knee wall and an attic.
    Haus h;
    h.Steildach = steildach ? 1 : 0;
    const double W = 20;
    h.OpenGLWidth = W;
    h.Stockwerkszahl = 2;
    h.Stockwerkshoehe = 2.5;
    h.Kellerhoehe = 2.5;
    h.Drempelhoehe = 0.5;
    h.Dachhoehe = 4;
    h.Dachgeschosshoehe = 2.5;
    Zeichenliste liste;
    ZeichneHoehenschnitt(liste, h);

    if (!steildach && feld >= 5)
        feld = -1; // a flat roof has none of the roof's heights
    const double NS = h.Stockwerkszahl * h.Stockwerkshoehe, K = h.Kellerhoehe, D = steildach ? h.Drempelhoehe : 0;
    const double T = NS + K + D + (steildach ? h.Dachhoehe : 0);
    const auto y = [&](double z) { return 0.95 * W * z / T; };
    double unten = 0, oben = 0;
    switch (feld) {
    case 2: unten = K, oben = K + h.Stockwerkshoehe; break;
    case 3: unten = K, oben = K + NS; break;
    case 4: unten = 0, oben = K; break;
    case 5: unten = NS + K, oben = NS + K + D; break;
    case 6: unten = NS + K + D, oben = T; break;
    case 7: unten = NS + K, oben = NS + K + h.Dachgeschosshoehe; break;
    default: break;
    }
    Zeichenprimitiv mass;
    mass.farbe = {1, 0, 0, 1};
    mass.linienbreite = 3;
    if (feld < 0) {
        // No dimension.
    } else if (oben > unten) {
        const double x = 0.05 * W, t = 0.02 * W;
        mass.punkte = {{x, y(unten)}, {x, y(oben)}, {x - t, y(unten)}, {x + t, y(unten)}, {x - t, y(oben)}, {x + t, y(oben)}};
    } else {
        // The height above ground counts from the ground line.
        mass.punkte = {{0.025 * W, y(K)}, {0.975 * W, y(K)}};
    }
    if (!mass.punkte.empty())
        liste.push_back(std::move(mass));
    // The picture is shown at half its size or less: lines drawn wider.
    for (Zeichenprimitiv& p : liste)
        p.linienbreite *= 3;
    QPainter maler(&bild);
    MaleZeichnung(maler, liste, QRectF(0, -0.1 * W, W, 1.1 * W), QRectF(10, 10, BildBreite - 20, BildHoehe - 20));
    return bild;
}

CHoehenangabenDlg::CHoehenangabenDlg(CMainFrame* rahmen, QWidget* eltern)
    : CRightBaseDialog(eltern), m_pRahmen(rahmen)
{
    setObjectName(QStringLiteral("CHoehenangabenDlg"));
    auto* spalte = new QVBoxLayout(this);

    // The zone controls stay hidden: the heights always apply to the first
    // zone.
    auto* gruppe = new QGroupBox(QStringLiteral("Alle Zonen"), this);
    SetzeId(gruppe, 1344);
    auto* gitter = new QGridLayout(gruppe);
    auto* alle = new QRadioButton(QStringLiteral("alle Zonen"), gruppe);
    SetzeId(alle, 1334);
    auto* eine = new QRadioButton(QStringLiteral("eine Zone"), gruppe);
    SetzeId(eine, 1335);
    auto* zonen = new QComboBox(gruppe);
    SetzeId(zonen, 1333);
    auto* umgebung = new QComboBox(gruppe);
    SetzeId(umgebung, 1005);
    for (const char* t : {"Außenluft", "beheizt", "Erdreich", "unbeheizt + 2°C", "unbeheizt + 4°C", "unbeheizt + 6°C",
                          "unbeheizt + 8°C"})
        umgebung->addItem(QString::fromUtf8(t));
    gitter->addWidget(alle, 0, 0);
    gitter->addWidget(eine, 0, 1);
    gitter->addWidget(zonen, 1, 0);
    gitter->addWidget(umgebung, 1, 1);
    int r = 2;
    for (int i = 0; i < 7; ++i, ++r) {
        const Feld& f = Felder[i];
        auto* label = new QLabel(QString::fromUtf8(f.text), gruppe);
        SetzeId(label, f.label);
        m_pFelder[i] = new QLineEdit(gruppe);
        SetzeId(m_pFelder[i], f.id);
        label->setBuddy(m_pFelder[i]);
        gitter->addWidget(label, r, 0);
        gitter->addWidget(m_pFelder[i], r, 1);
        if (f.einheit) {
            auto* einheit = new QLabel(QStringLiteral("m"), gruppe);
            SetzeId(einheit, f.einheit);
            gitter->addWidget(einheit, r, 2);
        }
        m_pFelder[i]->installEventFilter(this);
        connect(m_pFelder[i], &QLineEdit::textEdited, this, [this] { MarkiereGeaendert(); });
    }
    gitter->setColumnStretch(1, 1);
    spalte->addWidget(gruppe);

    m_pBild = new Bildfeld(this);
    spalte->addWidget(m_pBild, 1);

    auto* knoepfe = new QHBoxLayout;
    auto* zurueck = new QPushButton(QStringLiteral("<< Zurück"), this);
    SetzeId(zurueck, IDC_ZURUECK);
    zurueck->setAutoDefault(false);
    auto* weiter = new QPushButton(QStringLiteral("Weiter >>"), this);
    SetzeId(weiter, IDC_WEITER);
    weiter->setAutoDefault(false);
    knoepfe->addWidget(zurueck);
    knoepfe->addStretch(1);
    knoepfe->addWidget(weiter);
    spalte->addLayout(knoepfe);
    connect(weiter, &QPushButton::clicked, this, [this] { OnWeiter(); });
    connect(zurueck, &QPushButton::clicked, this, [this] { OnZurueck(); });

    m_pBild->SetzeBild(Bildnummer());
    setWindowTitle(QString::fromUtf8(Titeltext));
}

int CHoehenangabenDlg::Bildnummer() const
{
    return Bilder[m_nFokus >= 0 && m_nFokus <= 7 ? m_nFokus : 0];
}

QRect CHoehenangabenDlg::BildRechteck() const
{
    return m_pBild->Rechteck().translated(m_pBild->pos());
}

bool CHoehenangabenDlg::OnInitDialog()
{
    const bool ok = CRightBaseDialog::OnInitDialog();
    Neuladen();
    return ok;
}

void CHoehenangabenDlg::Neuladen()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    Haus& haus = m_pRahmen->AktuellesHaus();
    if (haus.m_aZone.empty())
        return;
    const Zone& z = haus.m_aZone[0];
    m_dDrempelHoehe = z.Drempelhoehe;
    m_dGeschossHoehe = z.Stockwerkshoehe;
    m_nGeschosse = z.Stockwerkszahl;
    m_dDachgeschossHoehe = z.Dachgeschosshoehe;
    m_dKellerHoehe = z.Kellerhoehe;
    m_dHoeheUeberGrund = z.HoeheUeberGrund;
    m_nKlimaZone = z.KlimaZone;
    m_dDachHoehe = z.Dachhoehe;

    for (int id : {1334, 1335, 1333, 1005})
        if (QWidget* w = FindeId<QWidget>(this, id))
            w->hide();
    if (auto* gruppe = FindeId<QGroupBox>(this, 1344))
        gruppe->setTitle(QString());
    m_nZone = 0;
    const bool steildach = haus.Steildach != 0;
    for (int id : {IDC_DACHHOEHE, IDC_DREMPELHOEHE, IDC_DACHGESCHOSSHOEHE})
        FindeId<QLineEdit>(this, id)->setEnabled(steildach);
    m_pBild->SetzeSteildach(steildach);
    UpdateData(false);
    Uebernehme();
}

void CHoehenangabenDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Ganzzahl(m_pFelder[2], m_nGeschosse, 0, GeschosseMax);
    dx.Zahl(m_pFelder[1], m_dGeschossHoehe, 0, HoeheMax);
    // The attic storey is limited by Uebernehme (0 up to knee wall plus
    // roof height), not refused.
    dx.Zahl(m_pFelder[6], m_dDachgeschossHoehe);
    dx.Zahl(m_pFelder[4], m_dDrempelHoehe, 0, HoeheMax);
    dx.Zahl(m_pFelder[0], m_dHoeheUeberGrund, 0, HoeheMax);
    dx.Zahl(m_pFelder[3], m_dKellerHoehe, 0, HoeheMax);
    dx.Zahl(m_pFelder[5], m_dDachHoehe, 0, HoeheMax);
}

void CHoehenangabenDlg::MarkiereGeaendert()
{
    if (m_pRahmen && m_pRahmen->GetActiveDocument())
        m_pRahmen->GetActiveDocument()->SetModifiedFlag(true);
}

void CHoehenangabenDlg::Uebernehme()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    Haus& haus = m_pRahmen->AktuellesHaus();
    if (haus.m_aZone.empty())
        return;
    const double grenze = m_dDrempelHoehe + m_dDachHoehe;
    const double vorher = m_dDachgeschossHoehe;
    if (m_dDachgeschossHoehe > grenze)
        m_dDachgeschossHoehe = grenze;
    if (m_dDachgeschossHoehe < 0)
        m_dDachgeschossHoehe = 0;
    if (m_dDachgeschossHoehe != vorher) {
        // Only this field is shown again: another may hold text that was
        // refused and is still being corrected.
        DatenAustausch dx(this, false);
        dx.Zahl(m_pFelder[6], m_dDachgeschossHoehe);
    }

    Zone& z = haus.m_aZone[0];
    z.Dachgeschosshoehe = haus.Dachgeschosshoehe = m_dDachgeschossHoehe;
    z.Drempelhoehe = haus.Drempelhoehe = m_dDrempelHoehe;
    z.Kellerhoehe = haus.Kellerhoehe = m_dKellerHoehe;
    z.Stockwerkszahl = haus.Stockwerkszahl = m_nGeschosse;
    z.Stockwerkshoehe = haus.Stockwerkshoehe = m_dGeschossHoehe;
    z.HoeheUeberGrund = m_dHoeheUeberGrund;
    z.KlimaZone = m_nKlimaZone;
    z.Dachhoehe = haus.Dachhoehe = m_dDachHoehe;

    update();
    for (QWidget* ansicht : {m_pRahmen->Ansicht2D(), m_pRahmen->Ansicht3D()})
        if (ansicht)
            ansicht->update();
}

bool CHoehenangabenDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusIn) {
        for (int i = 0; i < 7; ++i)
            if (objekt == m_pFelder[i])
                m_nFokus = i + 1;
        m_pBild->SetzeBild(Bildnummer());
    } else if (ereignis->type() == QEvent::FocusOut && !m_pruefung) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // Losing the focus to another window (a message box, a menu) is no
        // leaving of the field.
        const bool fensterwechsel = grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason;
        if (!fensterwechsel) {
            // Taken once the event that moved the focus is through: a prompt
            // in the middle of a mouse press would leave the pressed button
            // half clicked.
            QPointer<CHoehenangabenDlg> selbst(this);
            QMetaObject::invokeMethod(
                this, [selbst] {
                    if (selbst)
                        selbst->FeldVerlassen();
                },
                Qt::QueuedConnection);
        }
    }
    return CRightBaseDialog::eventFilter(objekt, ereignis);
}

void CHoehenangabenDlg::FeldVerlassen()
{
    if (m_pruefung || !isVisible())
        return;
    m_pruefung = true;
    // A refused field keeps its old value; the others are taken.
    UpdateData(true);
    Uebernehme();
    m_pruefung = false;
}

void CHoehenangabenDlg::OnWeiter()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    m_pruefung = true;
    const bool gut = UpdateData(true);
    m_pruefung = false;
    if (!gut)
        return;
    Uebernehme();
    if (m_pRahmen->AktuellesHaus().Steildach == 0) {
        if (!Meldung::Frage(QString::fromUtf8(CDacheingabeDlg::FrageDreiD), QMessageBox::No, Meldung::Symbol::Vorgabe,
                            this))
            return;
        if (!CEingabeAssistentDlg::BetreteDreiDPhase(*m_pRahmen))
            return;
    }
    m_pRahmen->NaechsterSchritt();
}

void CHoehenangabenDlg::OnZurueck()
{
    if (!m_pRahmen || !m_pRahmen->GetActiveDocument())
        return;
    m_pruefung = true;
    const bool gut = UpdateData(true);
    m_pruefung = false;
    if (!gut)
        return;
    Uebernehme();
    m_pRahmen->VorherigerSchritt();
}

} // namespace zeva
