#include "shell/CIntroDlg.h"

#include "shell/Schrittsteuerung.h"
#include "shell/ShellRessourcen.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QPushButton* Schrittname(QWidget* eltern, int id)
{
    auto* knopf = new QPushButton(eltern);
    SetzeId(knopf, id);
    knopf->setFlat(true);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setEnabled(false);
    return knopf;
}

} // namespace

CIntroDlg::CIntroDlg(Schrittsteuerung& rahmen, QWidget* eltern) : QDialog(eltern), m_rahmen(rahmen)
{
    LadeShellRessourcen();
    setObjectName(QStringLiteral("CIntroDlg"));
    setWindowTitle(QStringLiteral("Vyk-ZEVA"));
    setModal(false);

    auto* bild = new QLabel(this);
    SetzeId(bild, 242);
    bild->setPixmap(QIcon(QStringLiteral(":/zeva/bilder/zeva.svg")).pixmap(128, 128));
    bild->setAlignment(Qt::AlignCenter);

    m_text = new QLabel(this);
    SetzeId(m_text, 1328);
    m_text->setAlignment(Qt::AlignCenter);

    m_vorher = Schrittname(this, 1283);
    m_ist = Schrittname(this, 1285);
    m_nach = Schrittname(this, 1284);
    QFont fett = m_ist->font();
    fett.setBold(true);
    m_ist->setFont(fett);

    m_zurueck = new QPushButton(QStringLiteral("<< &Zurück"), this);
    SetzeId(m_zurueck, 1282);
    m_weiter = new QPushButton(QStringLiteral("&Weiter >>"), this);
    SetzeId(m_weiter, 1281);
    m_zurueck->setAutoDefault(false);
    m_weiter->setAutoDefault(false);

    auto* schritte = new QHBoxLayout;
    schritte->addWidget(m_vorher);
    schritte->addWidget(m_ist);
    schritte->addWidget(m_nach);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_zurueck);
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_weiter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bild);
    layout->addWidget(m_text);
    layout->addSpacing(12);
    layout->addLayout(schritte);
    layout->addLayout(knoepfe);

    connect(m_weiter, &QPushButton::clicked, this, [this] { m_rahmen.NaechsterSchritt(); });
    connect(m_zurueck, &QPushButton::clicked, this, [this] { OnZurueck(); });
    OnInitDialog();
}

void CIntroDlg::OnInitDialog()
{
    m_text->setText(m_rahmen.Version());
}

void CIntroDlg::SetzeSchritte(const QString& vorher, const QString& ist, const QString& nach)
{
    m_vorher->setText(vorher);
    m_ist->setText(ist);
    m_nach->setText(nach);
}

void CIntroDlg::OnZurueck()
{
    // The frame shows the start page (the step is 0), then the panel hides
    // as a modeless dialog's Cancel would hide it.
    m_rahmen.Startseite(false);
    hide();
}

void CIntroDlg::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter || ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace zeva
