#include "renovation/CAutoSanierungDlg.h"

#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace zeva {

CAutoSanierungDlg::CAutoSanierungDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Automatische Sanierung"));
    setWindowModality(Qt::ApplicationModal);
    m_art = new QLabel(QStringLiteral("Art der\nSanierung"), this);
    m_phase = new QLabel(QStringLiteral("Was mache ich gerade?"), this);
    m_status = new QLabel(QStringLiteral("Anzahl der untersuchten Varianten"), this);
    m_bestwert = new QLabel(QStringLiteral("Bester Wert bisher: ??"), this);
    m_balken = new QProgressBar(this);
    m_abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    SetzeId(m_art, 1275);
    SetzeId(m_phase, 1057);
    SetzeId(m_status, 1277);
    SetzeId(m_balken, 1262);
    SetzeId(m_bestwert, 1276);
    SetzeId(m_abbrechen, 2);
    m_balken->setRange(0, 100);
    m_balken->setTextVisible(false);
    m_status->setMinimumWidth(320);

    auto* raster = new QGridLayout(this);
    raster->addWidget(m_art, 0, 0, 2, 1, Qt::AlignTop);
    raster->addWidget(m_phase, 0, 1);
    raster->addWidget(m_status, 1, 1);
    raster->addWidget(m_balken, 2, 0, 1, 2);
    raster->addWidget(m_bestwert, 3, 0, 1, 2);
    raster->addWidget(m_abbrechen, 4, 0, 1, 2, Qt::AlignHCenter);
    connect(m_abbrechen, &QPushButton::clicked, this, [this] { m_bAbbrechen = true; });
}

void CAutoSanierungDlg::Beginne()
{
    m_bAbbrechen = false;
    m_art->clear();
    m_phase->clear();
    m_bestwert->clear();
    m_balken->setRange(0, 1000);
    m_balken->setValue(0);
    adjustSize();
    // Centred over the main window (or the screen).
    const QRect bezug = parentWidget() != nullptr ? parentWidget()->window()->frameGeometry()
                                                  : QApplication::primaryScreen()->availableGeometry();
    move(bezug.center() - rect().center());
    show();
    raise();
    QApplication::processEvents();
}

void CAutoSanierungDlg::Phase(const std::string& text)
{
    m_phase->setText(QString::fromStdString(text));
}

void CAutoSanierungDlg::Status(const std::string& text)
{
    m_status->setText(QString::fromStdString(text));
}

void CAutoSanierungDlg::Position(int promille)
{
    m_balken->setValue(promille);
}

void CAutoSanierungDlg::Bestwert(const std::string& text)
{
    m_bestwert->setText(QString::fromStdString(text));
}

bool CAutoSanierungDlg::Abgebrochen()
{
    // Modal: input reaches only this window, so the pump cannot start
    // anything else.
    QApplication::processEvents(QEventLoop::AllEvents);
    return m_bAbbrechen;
}

void CAutoSanierungDlg::Beende()
{
    hide();
}

void CAutoSanierungDlg::reject()
{
    m_bAbbrechen = true;
}

void CAutoSanierungDlg::closeEvent(QCloseEvent* e)
{
    m_bAbbrechen = true;
    e->ignore();
}

} // namespace zeva
