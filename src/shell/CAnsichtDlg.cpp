#include "shell/CAnsichtDlg.h"

#include "shell/CZEVADoc.h"
#include "shell/Vorschaufabrik.h"
#include "ui/SteuerelementId.h"

#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zeva {

namespace {
constexpr int Rahmen = 2; // the tab body's frame around the previews
constexpr int Hoehe = 210;
} // namespace

CAnsichtDlg::CAnsichtDlg(QWidget* parent) : CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CAnsichtDlg"));
    m_Tab = new QTabWidget(this);
    SetzeId(m_Tab, 1019);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Tab);
    resize(200, Hoehe);
    connect(m_Tab, &QTabWidget::currentChanged, this, [this] {
        if (!m_bImAufbau)
            ZeigeAnsicht();
    });
}

CAnsichtDlg::~CAnsichtDlg()
{
    // The Sankey window goes with the page; the previews end with their
    // windows as children of the page.
    delete m_pSankey;
}

bool CAnsichtDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (m_Tab->count() == 0)
        m_Tab->addTab(new QWidget, QStringLiteral("Grundriß"));
    return true;
}

void CAnsichtDlg::Aktualisiere(const CZEVADoc& dokument)
{
    AktualisiereSchritt(HausAnbindung::Phase(dokument.HausRef()));
}

void CAnsichtDlg::AktualisiereSchritt(int phase)
{
    m_b3DErlaubt = phase >= 15;
    m_bSankeyErlaubt = phase >= 19;
    if (m_Tab->count() == 0)
        m_Tab->addTab(new QWidget, QStringLiteral("Grundriß"));
    bool will2D = false;
    bool will3D = false;
    PasseReiterAn(will2D, will3D);
    ZeigeAnsicht();
}

void CAnsichtDlg::PasseReiterAn(bool& will2D, bool& will3D)
{
    m_bImAufbau = true;
    const QSignalBlocker sperre(m_Tab);
    if (!m_bSankeyErlaubt && m_Tab->count() == 3) {
        if (m_Tab->currentIndex() == REITER_SANKEY && m_b3DErlaubt) {
            m_Tab->setCurrentIndex(REITER_3D);
            will3D = true;
        }
        delete m_Tab->widget(REITER_SANKEY);
    }
    if (!m_b3DErlaubt && m_Tab->count() == 2) {
        // Qt always keeps a tab selected: with the later tabs gone the plan
        // is shown, where the selection would otherwise stay empty.
        if (m_Tab->currentIndex() == REITER_3D) {
            m_Tab->setCurrentIndex(REITER_GRUNDRISS);
            will2D = true;
        }
        delete m_Tab->widget(REITER_3D);
    }
    if (m_b3DErlaubt && m_Tab->count() < 2)
        m_Tab->insertTab(REITER_3D, new QWidget, QStringLiteral("3D-Ansicht"));
    if (m_bSankeyErlaubt && m_Tab->count() < 3)
        m_Tab->insertTab(REITER_SANKEY, new QWidget, QStringLiteral("Sankey"));
    m_bImAufbau = false;
}

void CAnsichtDlg::ErzeugeAnsichten(bool will2D, bool will3D)
{
    PasseReiterAn(will2D, will3D);
    if (will2D && !m_p2DVorschau) {
        m_p2DVorschau = Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Grundriss, this);
        m_p2DVorschau->hide();
    }
    if (will3D && !m_p3DVorschau) {
        m_p3DVorschau = Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Ansicht3D, this);
        m_p3DVorschau->hide();
    }
    if (!m_pSankey) {
        m_pSankey = Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Sankey, this);
        m_pSankey->hide();
    }
}

void CAnsichtDlg::BerechneAnzeigebereich()
{
    const QRect tab = m_Tab->geometry();
    const int kopf = m_Tab->tabBar()->sizeHint().height();
    m_rectAnzeige = QRect(tab.x() + Rahmen, tab.y() + kopf + Rahmen, std::max(0, tab.width() - 2 * Rahmen),
                          std::max(0, tab.height() - kopf - 2 * Rahmen));
}

void CAnsichtDlg::Platziere(QWidget* fenster)
{
    if (!fenster)
        return;
    fenster->setGeometry(m_rectAnzeige);
    fenster->raise();
    fenster->show();
}

void CAnsichtDlg::ZeigeAnsicht()
{
    // Previews live only while the page can be seen.
    if (!isVisible() || width() == 0)
        return;
    BerechneAnzeigebereich();
    int t = m_Tab->currentIndex();
    ErzeugeAnsichten(t == REITER_GRUNDRISS, t == REITER_3D && m_b3DErlaubt);
    t = m_Tab->currentIndex();
    auto verberge = [](QWidget* w) {
        if (w && w->isVisible())
            w->hide();
    };
    switch (t) {
    case REITER_GRUNDRISS:
        Platziere(m_p2DVorschau);
        if (m_p2DVorschau)
            m_p2DVorschau->update();
        verberge(m_p3DVorschau);
        verberge(m_pSankey);
        break;
    case REITER_3D:
        verberge(m_p2DVorschau);
        if (m_b3DErlaubt)
            Platziere(m_p3DVorschau);
        verberge(m_pSankey);
        break;
    case REITER_SANKEY:
        verberge(m_p2DVorschau);
        verberge(m_p3DVorschau);
        if (m_bSankeyErlaubt)
            Platziere(m_pSankey);
        break;
    default:
        break;
    }
}

void CAnsichtDlg::ZerstoereVorschauen()
{
    delete m_p2DVorschau;
    delete m_p3DVorschau;
}

void CAnsichtDlg::showEvent(QShowEvent* ereignis)
{
    CBaseDialog::showEvent(ereignis);
    ZeigeAnsicht();
}

void CAnsichtDlg::hideEvent(QHideEvent* ereignis)
{
    CBaseDialog::hideEvent(ereignis);
    // Only a real hiding of the page, not its window being minimised.
    if (!ereignis->spontaneous())
        ZerstoereVorschauen();
}

void CAnsichtDlg::resizeEvent(QResizeEvent* ereignis)
{
    CBaseDialog::resizeEvent(ereignis);
    if (ereignis->size().width() == 0)
        ZerstoereVorschauen();
    else
        ZeigeAnsicht();
}

void CAnsichtDlg::moveEvent(QMoveEvent* ereignis)
{
    CBaseDialog::moveEvent(ereignis);
    ZeigeAnsicht();
}

} // namespace zeva
