#include "transaction.h"

#include "platform/errors.h"

#include <QSqlError>

namespace {

QString errorText(const QSqlDatabase &db)
{
    const QSqlError e = db.lastError();
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return text.trimmed();
}

} // namespace

Transaction::Transaction(QSqlDatabase db)
    : m_db(db)
{
    if (!m_db.transaction())
        throw MirvoError(errorText(m_db));
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open)
        m_db.rollback();
}

void Transaction::commit()
{
    if (!m_db.commit())
        throw MirvoError(errorText(m_db));
    m_open = false;
}
