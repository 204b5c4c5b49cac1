#pragma once
// Controls keep the numeric ids of the design as their object names
// ("id1106"), so that code and tests find them by id. Ids repeat across
// pages and dialogs: they are unique only below one page or dialog, so a
// search always starts at that page or dialog.
#include <QString>
#include <QWidget>

namespace zeva {

inline QString IdName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

inline void SetzeId(QObject* steuerelement, int id)
{
    steuerelement->setObjectName(IdName(id));
}

// A new control of type T below `eltern`, already carrying its id.
template <typename T>
T* ErzeugeMitId(QWidget* eltern, int id)
{
    auto* steuerelement = new T(eltern);
    SetzeId(steuerelement, id);
    return steuerelement;
}

// The control with that id anywhere below `seite`, or nullptr.
template <typename T = QWidget>
T* FindeId(const QObject* seite, int id)
{
    return seite ? seite->findChild<T*>(IdName(id)) : nullptr;
}

// The direct child with that id, as a dialog looks up its own controls.
template <typename T = QWidget>
T* FindeDirektId(const QObject* seite, int id)
{
    return seite ? seite->findChild<T*>(IdName(id), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace zeva
