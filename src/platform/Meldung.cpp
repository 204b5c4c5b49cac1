#include "platform/Meldung.h"

#include <QAbstractButton>
#include <QApplication>

namespace zeva {

namespace {

QString& TitelSpeicher()
{
    static QString titel = QStringLiteral("ZEVA");
    return titel;
}

Meldung::Beantworter*& AktuellerBeantworter()
{
    static Meldung::Beantworter* beantworter = nullptr;
    return beantworter;
}

QMessageBox::Icon QtSymbol(Meldung::Symbol symbol)
{
    switch (symbol) {
    case Meldung::Symbol::Keins: return QMessageBox::NoIcon;
    case Meldung::Symbol::Frage: return QMessageBox::Question;
    case Meldung::Symbol::Stopp: return QMessageBox::Critical;
    case Meldung::Symbol::Information: return QMessageBox::Information;
    case Meldung::Symbol::Vorgabe:
    case Meldung::Symbol::Ausruf: break;
    }
    return QMessageBox::Warning;
}

// The button the box gives back when it is closed without a choice: the
// escape button Qt would pick, else the only or the default button.
QMessageBox::StandardButton SchliessKnopf(const Meldung::Anfrage& anfrage)
{
    for (auto knopf : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Abort})
        if (anfrage.knoepfe.testFlag(knopf))
            return knopf;
    if (anfrage.vorgabe != QMessageBox::NoButton)
        return anfrage.vorgabe;
    return QMessageBox::Ok;
}

} // namespace

QString Meldung::Titel()
{
    return TitelSpeicher();
}

void Meldung::SetzeTitel(const QString& titel)
{
    TitelSpeicher() = titel;
}

Meldung::Beantworter* Meldung::SetzeBeantworter(Beantworter* beantworter)
{
    Beantworter* vorher = AktuellerBeantworter();
    AktuellerBeantworter() = beantworter;
    return vorher;
}

QString Meldung::KnopfText(QMessageBox::StandardButton knopf)
{
    switch (knopf) {
    case QMessageBox::Ok: return QStringLiteral("OK");
    case QMessageBox::Cancel: return QStringLiteral("Abbrechen");
    case QMessageBox::Yes: return QStringLiteral("Ja");
    case QMessageBox::No: return QStringLiteral("Nein");
    case QMessageBox::Abort: return QStringLiteral("Abbrechen");
    case QMessageBox::Retry: return QStringLiteral("Wiederholen");
    case QMessageBox::Ignore: return QStringLiteral("Ignorieren");
    case QMessageBox::Close: return QStringLiteral("Schließen");
    case QMessageBox::Help: return QStringLiteral("Hilfe");
    default: return QString();
    }
}

std::unique_ptr<QMessageBox> Meldung::ErzeugeBox(const Anfrage& anfrage)
{
    auto box = std::make_unique<QMessageBox>(QtSymbol(anfrage.symbol), anfrage.titel, anfrage.text,
                                             anfrage.knoepfe, anfrage.eltern.data());
    // The texts are set here rather than left to a translation, so that the
    // boxes read German whatever translation files are installed.
    for (QAbstractButton* knopf : box->buttons()) {
        const QString text = KnopfText(box->standardButton(knopf));
        if (!text.isEmpty())
            knopf->setText(text);
    }
    if (anfrage.vorgabe != QMessageBox::NoButton)
        box->setDefaultButton(anfrage.vorgabe);
    box->setTextFormat(Qt::PlainText);
    return box;
}

QMessageBox::StandardButton Meldung::Zeige(const QString& text, QMessageBox::StandardButtons knoepfe,
                                           Symbol symbol, QMessageBox::StandardButton vorgabe,
                                           QWidget* eltern, const QString& titel)
{
    Anfrage anfrage;
    anfrage.text = text;
    anfrage.titel = titel.isNull() ? Titel() : titel;
    anfrage.knoepfe = knoepfe == QMessageBox::NoButton ? QMessageBox::StandardButtons(QMessageBox::Ok) : knoepfe;
    anfrage.vorgabe = anfrage.knoepfe.testFlag(vorgabe) ? vorgabe : QMessageBox::NoButton;
    anfrage.symbol = symbol == Symbol::Vorgabe ? Symbol::Ausruf : symbol;
    anfrage.eltern = eltern;

    if (Beantworter* beantworter = AktuellerBeantworter())
        return beantworter->Beantworte(anfrage);

    std::unique_ptr<QMessageBox> box = ErzeugeBox(anfrage);
    const int ergebnis = box->exec();
    const auto knopf = static_cast<QMessageBox::StandardButton>(ergebnis);
    return anfrage.knoepfe.testFlag(knopf) ? knopf : SchliessKnopf(anfrage);
}

void Meldung::Hinweis(const QString& text, Symbol symbol, QWidget* eltern, const QString& titel)
{
    Zeige(text, QMessageBox::Ok, symbol, QMessageBox::Ok, eltern, titel);
}

bool Meldung::Frage(const QString& text, QMessageBox::StandardButton vorgabe, Symbol symbol, QWidget* eltern,
                    const QString& titel)
{
    return Zeige(text, QMessageBox::Yes | QMessageBox::No, symbol, vorgabe, eltern, titel) == QMessageBox::Yes;
}

} // namespace zeva
