// Slot arithmetic, the shuffle model, the parity rule and the breadth-first solver for tests.
#include "Arrangement.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

#include "Round.h"

namespace {

int slotAt(TilePosition p)
{
    for (int slot = 1; slot <= 9; ++slot)
        if (p.Left == 1 + 88 * ((slot - 1) % 3) && p.Top == 1 + 88 * ((slot - 1) / 3))
            return slot;
    return 0;
}

int slotOfTile(const Arrangement& a, int tile)
{
    for (int slot = 1; slot <= 9; ++slot)
        if (a[slot] == tile)
            return slot;
    throw std::logic_error("tile missing from the arrangement");
}

int row(int slot) { return (slot - 1) / 3; }
int column(int slot) { return (slot - 1) % 3; }

std::uint64_t key(const Arrangement& a)
{
    std::uint64_t k = 0;
    for (int slot = 1; slot <= 9; ++slot)
        k = k * 10 + static_cast<std::uint64_t>(a[slot]);
    return k;
}

}  // namespace

Arrangement arrangementOf(const Board& board)
{
    Arrangement a{};
    for (int tile = 1; tile <= 9; ++tile) {
        const int slot = slotAt(board.tile(tile));
        if (slot == 0 || a[slot] != 0)
            throw std::logic_error("a tile is off the grid or shares a slot");
        a[slot] = tile;
    }
    return a;
}

Arrangement targetOf(const Round& round)
{
    Arrangement a{};
    for (int cell = 1; cell <= 9; ++cell)
        for (int colour = 1; colour <= 9; ++colour)
            if (round.previewFill(cell) == TileColour[colour])
                a[cell] = colour;
    return a;
}

Arrangement homeArrangement() { return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}; }

void placeTiles(Board& board, const Arrangement& slots)
{
    for (int slot = 1; slot <= 9; ++slot) {
        board.setLeft(slots[slot], 1 + 88 * column(slot));
        board.setTop(slots[slot], 1 + 88 * row(slot));
    }
}

void modelSweep(Arrangement& slots, unsigned draw)
{
    // Where a tile must stand, seen from the hole, to slide in the drawn direction.
    static constexpr int rowStep[] = {0, 0, 1, -1};
    static constexpr int columnStep[] = {-1, 1, 0, 0};
    for (int tile = 1; tile <= 8; ++tile) {
        const int hole = slotOfTile(slots, 9);
        const int r = row(hole) + rowStep[draw];
        const int c = column(hole) + columnStep[draw];
        if (r < 0 || r > 2 || c < 0 || c > 2)
            continue;
        const int from = 3 * r + c + 1;
        if (slots[from] == tile) {
            slots[hole] = tile;
            slots[from] = 9;
        }
    }
}

bool reachableByParity(const Arrangement& from, const Arrangement& to)
{
    // Parity of the permutation that takes each tile from its slot in `from` to its slot in `to`.
    std::array<int, 10> destination{};
    for (int slot = 1; slot <= 9; ++slot)
        destination[slot] = slotOfTile(to, from[slot]);
    std::array<bool, 10> seen{};
    int transpositions = 0;
    for (int slot = 1; slot <= 9; ++slot) {
        int length = 0;
        for (int s = slot; !seen[s]; s = destination[s]) {
            seen[s] = true;
            ++length;
        }
        if (length > 0)
            transpositions += length - 1;
    }
    const int a = slotOfTile(from, 9);
    const int b = slotOfTile(to, 9);
    const int distance = std::abs(row(a) - row(b)) + std::abs(column(a) - column(b));
    return transpositions % 2 == distance % 2;
}

std::optional<std::vector<int>> shortestClicks(const Arrangement& from, const Arrangement& to)
{
    // For each arrangement reached: the one it came from and the tile clicked to get there.
    std::unordered_map<std::uint64_t, std::pair<std::uint64_t, int>> cameFrom;
    std::vector<Arrangement> frontier{from};
    cameFrom[key(from)] = {0, 0};
    const std::uint64_t goal = key(to);
    while (!frontier.empty() && !cameFrom.count(goal)) {
        std::vector<Arrangement> next;
        for (const Arrangement& a : frontier) {
            const int hole = slotOfTile(a, 9);
            for (int neighbour = 1; neighbour <= 9; ++neighbour) {
                if (std::abs(row(neighbour) - row(hole)) + std::abs(column(neighbour) - column(hole)) != 1)
                    continue;
                Arrangement b = a;
                b[hole] = a[neighbour];
                b[neighbour] = 9;
                if (cameFrom.emplace(key(b), std::make_pair(key(a), a[neighbour])).second) {
                    next.push_back(b);
                }
            }
        }
        frontier = std::move(next);
    }
    if (!cameFrom.count(goal))
        return std::nullopt;
    std::vector<int> clicks;
    for (std::uint64_t k = goal; k != key(from); k = cameFrom[k].first)
        clicks.insert(clicks.begin(), cameFrom[k].second);
    return clicks;
}
