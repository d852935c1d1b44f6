#include "resourcelookup.h"

#include <QAbstractItemModel>

namespace {
constexpr int NameColumn = 0;
constexpr int NumberColumn = 1;
} // namespace

ResourceLookup::ResourceLookup(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
}

void ResourceLookup::setResourceModel(QAbstractItemModel *model)
{
    if (!model)
        return;
    // QComboBox deletes a replaced model only when it is the combo's child; a borrowed one is not.
    setModel(model);
    setModelColumn(NameColumn);
    setCurrentIndex(-1);
}

QString ResourceLookup::value() const
{
    if (currentIndex() < 0 || !model())
        return {};
    return model()->index(currentIndex(), NumberColumn, rootModelIndex()).data().toString();
}

void ResourceLookup::setValue(const QString &value)
{
    if (!model() || value.isEmpty()) {
        setCurrentIndex(-1);
        return;
    }
    for (int row = 0; row < model()->rowCount(rootModelIndex()); ++row) {
        if (model()->index(row, NumberColumn, rootModelIndex()).data().toString() == value) {
            setCurrentIndex(row);
            return;
        }
    }
    setCurrentIndex(-1);
}
