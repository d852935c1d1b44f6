#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// The lowest and highest resource number in use; 0 and 0 when there is no resource.
struct ResourceBounds
{
    int lowMek = 0;
    int highMek = 0;
};

// Every statement on the resource register: bounds, numbering, the System resource and the
// deletion that renumbers. Values are bound; failures throw MirvoError with the database's text.
class ResourceStore
{
public:
    explicit ResourceStore(QSqlDatabase db);

    ResourceBounds bounds() const;
    // The highest number in use, 0 when there is none.
    int highMek() const;
    // The highest number + 1; 1 for an empty register, since 0 belongs to the System resource.
    int nextResourceNumber() const;

    // Adds a resource under the next number and returns that number. The name is stored as given.
    int insertResource(const QString &name);
    // Adds resource 0, "System".
    void insertSystemResource();
    // Renames the row whose id is 1, whatever its number.
    void renameSystemResource(const QString &name);
    // Removes resource n and its appointments and moves every higher resource and its
    // appointments down by one, all in one transaction: on failure nothing has changed.
    void deleteResource(int n);

private:
    std::optional<int> readHighMek() const;
    // Inside a transaction: keeps other copies from numbering until it ends.
    void lockRegister();

    QSqlDatabase m_db;
};
