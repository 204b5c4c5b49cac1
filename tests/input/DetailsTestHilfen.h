#pragma once
// What the details-dialog tests share beyond the data-base dialog tests'
// helpers (finding controls by id, pictures): typing into a field as the
// user does, clicking, and reading what a control shows.
#include "database/DialogTestHilfen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace zeva::test {

inline QString Text(const QWidget& dialog, int id)
{
    if (auto* edit = FindeId<QLineEdit>(&dialog, id))
        return edit->text();
    if (auto* label = FindeId<QLabel>(&dialog, id))
        return label->text();
    ADD_FAILURE() << "no text field " << id;
    return {};
}

// Replaces the field's text by typing, key by key.
inline void Tippe(const QWidget& dialog, int id, const QString& text)
{
    auto* feld = Id<QLineEdit>(dialog, id);
    if (feld == nullptr)
        return;
    feld->setFocus(Qt::MouseFocusReason);
    feld->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(feld, Qt::Key_Delete);
        return;
    }
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(feld, c.toLatin1());
        } else {
            // A key the test keyboard does not know ("ü"): its text alone.
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &druck);
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(feld, &los);
        }
    }
}

inline void Klicke(const QWidget& dialog, int id)
{
    if (auto* knopf = Id<QAbstractButton>(dialog, id))
        knopf->click();
    QApplication::processEvents();
}

inline bool Aktiv(const QWidget& dialog, int id)
{
    auto* w = Id(dialog, id);
    return w != nullptr && w->isEnabled();
}

inline bool Markiert(const QWidget& dialog, int id)
{
    auto* w = Id<QAbstractButton>(dialog, id);
    return w != nullptr && w->isChecked();
}

} // namespace zeva::test
