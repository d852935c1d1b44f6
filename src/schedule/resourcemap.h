#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Ties resource numbers to the grid's resource slots and headings.
struct ResourceMapEntry
{
    int ResourceIndex = 0;
    int PositionIndex = 0;
    QString DisplayName;

    bool operator==(const ResourceMapEntry &) const = default;
};

class ResourceMap
{
public:
    static QString unknownName() { return QStringLiteral("UKENDT"); }

    void clear() { m_entries.clear(); }
    void append(int resourceIndex, int positionIndex, const QString &displayName);
    bool isEmpty() const { return m_entries.empty(); }
    int size() const { return int(m_entries.size()); }
    const std::vector<ResourceMapEntry> &entries() const { return m_entries; }

    // Lookups take the first entry with a matching value; -1 or an empty name when none.
    int slotOfResource(int resourceIndex) const;
    int resourceOfSlot(int positionIndex) const;
    QString nameOfSlot(int positionIndex) const;

    bool operator==(const ResourceMap &) const = default;

private:
    std::vector<ResourceMapEntry> m_entries;
};

// One entry per number of the window minMek..maxMek, slot = number - minMek, named by
// `lookupName` or "UKENDT" when it finds no resource. An empty window gives an empty map.
ResourceMap buildResourceMap(
    int minMek, int maxMek, const std::function<std::optional<QString>(int resourceNumber)> &lookupName);
