#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// A fresh database file made by the same code as `mirvo-db create`, in a temporary folder
// that is removed with this object.
class TestDatabase
{
public:
    explicit TestDatabase(bool demo = false, const QDate &today = QDate(2024, 1, 15));

    QString folder() const { return m_dir.path(); }
    QString path() const;
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};
