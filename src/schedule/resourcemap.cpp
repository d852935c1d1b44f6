#include "resourcemap.h"

void ResourceMap::append(int resourceIndex, int positionIndex, const QString &displayName)
{
    m_entries.push_back({ resourceIndex, positionIndex, displayName });
}

int ResourceMap::slotOfResource(int resourceIndex) const
{
    for (const ResourceMapEntry &e : m_entries) {
        if (e.ResourceIndex == resourceIndex)
            return e.PositionIndex;
    }
    return -1;
}

int ResourceMap::resourceOfSlot(int positionIndex) const
{
    for (const ResourceMapEntry &e : m_entries) {
        if (e.PositionIndex == positionIndex)
            return e.ResourceIndex;
    }
    return -1;
}

QString ResourceMap::nameOfSlot(int positionIndex) const
{
    for (const ResourceMapEntry &e : m_entries) {
        if (e.PositionIndex == positionIndex)
            return e.DisplayName;
    }
    return {};
}

ResourceMap buildResourceMap(
    int minMek, int maxMek, const std::function<std::optional<QString>(int resourceNumber)> &lookupName)
{
    ResourceMap map;
    for (int k = minMek, i = 0; k <= maxMek; ++k, ++i)
        map.append(k, i, lookupName(k).value_or(ResourceMap::unknownName()));
    return map;
}
