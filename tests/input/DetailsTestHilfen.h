#pragma once
// What the details-dialog tests share: finding controls by id, typing into a
// field as the user does, clicking, and a picture of a dialog under /tmp.
#include "ui/SteuerelementId.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

namespace zeva::test {

template <typename T = QWidget>
T* Id(const QWidget& dialog, int id)
{
    T* w = FindeId<T>(&dialog, id);
    EXPECT_NE(w, nullptr) << "id " << id;
    return w;
}

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

inline void Bild(QWidget& dialog, const char* name)
{
    const QPixmap bild = dialog.grab();
    EXPECT_FALSE(bild.isNull()) << name;
    bild.save(QStringLiteral("/tmp/zeva-%1.png").arg(QLatin1String(name)));
}

} // namespace zeva::test
