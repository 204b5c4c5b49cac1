#include "shell/CInfoDlg.h"

#include "shell/ShellRessourcen.h"
#include "ui/SteuerelementId.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

CInfoDlg::CInfoDlg(const QString& version, QWidget* parent) : QDialog(parent)
{
    LadeShellRessourcen();
    setObjectName(QStringLiteral("CInfoDlg"));
    setWindowTitle(QStringLiteral("Info über ZEVA"));

    auto* bild = new QLabel(this);
    SetzeId(bild, 242);
    bild->setPixmap(QIcon(QStringLiteral(":/zeva/bilder/zeva.svg")).pixmap(160, 160));
    bild->setAlignment(Qt::AlignCenter);

    auto* text = new QLabel(version, this);
    SetzeId(text, 1328);
    text->setAlignment(Qt::AlignCenter);
    QFont gross = text->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    gross.setBold(true);
    text->setFont(gross);

    auto* hinweis = new QLabel(QStringLiteral("Heizenergiebedarf bestehender Wohngebäude und Vergleich von "
                                              "Sanierungsvarianten."),
                               this);
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetzeId(ok, 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bild);
    layout->addWidget(text);
    layout->addWidget(hinweis);
    layout->addStretch(1);
    layout->addLayout(knoepfe);
    resize(480, 360);
}

} // namespace zeva
