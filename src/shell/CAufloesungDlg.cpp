#include "shell/CAufloesungDlg.h"

#include "ui/SteuerelementId.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zeva {

CAufloesungDlg::CAufloesungDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CAufloesungDlg"));
    setWindowTitle(QStringLiteral("Beendet ZEVA"));
    auto* text = new QLabel(QString::fromUtf8(Text), this);
    text->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    SetzeId(ok, 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(knoepfe);
    setMinimumWidth(320);
}

bool CAufloesungDlg::BildschirmZuKlein()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return false;
    const QSize groesse = schirm->geometry().size();
    return groesse.width() < 800 || groesse.height() < 600;
}

} // namespace zeva
