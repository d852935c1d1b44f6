#pragma once

#include <QSqlDatabase>

// One database transaction: begun by the constructor, rolled back by the destructor unless
// commit() was called. Several statements that belong together take effect all or not at all.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase db); // throws MirvoError
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit(); // throws MirvoError

private:
    QSqlDatabase m_db;
    bool m_open = false;
};
