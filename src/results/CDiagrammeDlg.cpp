#include "results/CDiagrammeDlg.h"

#include "results/ZustandsFenster.h"
#include "shell/Vorschaufabrik.h"
#include "ui/SteuerelementId.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace zeva {

CDiagrammeDlg::CDiagrammeDlg(QWidget* parent) : CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CDiagrammeDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_Reiter = new QTabWidget(this);
    SetzeId(m_Reiter, 1121);
    layout->addWidget(m_Reiter);
    m_Seite = new QWidget(m_Reiter);
    auto* seitenLayout = new QVBoxLayout(m_Seite);
    seitenLayout->setContentsMargins(0, 0, 0, 0);
    m_Reiter->addTab(m_Seite, QStringLiteral("Sankey"));
}

CDiagrammeDlg::~CDiagrammeDlg()
{
    delete m_pSankey;
}

bool CDiagrammeDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    setMinimumHeight(m_Reiter->tabBar()->sizeHint().height() + 150);
    return true;
}

void CDiagrammeDlg::SetzeVariante(std::shared_ptr<const Haus> haus, int n)
{
    m_pHaus = std::move(haus);
    ZeigeSankey(n);
}

void CDiagrammeDlg::ErzeugeSankey()
{
    if (m_pSankey)
        return;
    m_pSankey = Vorschaufabrik::Erzeuge(Vorschaufabrik::Art::Sankey, this);
    if (m_pSankey)
        m_pSankey->hide();
}

void CDiagrammeDlg::ZeigeSankey(int n)
{
    ErzeugeSankey();
    if (!m_pSankey)
        return;
    if (n != -1) {
        m_nVariante = n;
        if (auto* fenster = dynamic_cast<ZustandsFenster*>(m_pSankey.data())) {
            fenster->SetzeHaus(m_pHaus);
            fenster->SetzeVariante(n);
        }
    }
    if (m_Reiter->currentIndex() != 0 || !isVisible())
        return;
    if (m_pSankey->parentWidget() != m_Seite) {
        m_pSankey->setParent(m_Seite);
        m_Seite->layout()->addWidget(m_pSankey);
    }
    m_pSankey->show();
}

void CDiagrammeDlg::showEvent(QShowEvent* ereignis)
{
    CBaseDialog::showEvent(ereignis);
    ZeigeSankey(-1);
}

} // namespace zeva
