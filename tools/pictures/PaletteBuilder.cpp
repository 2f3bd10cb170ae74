// Median cut: the box with the widest channel range is split at its median until there are 256
// boxes (or no box can be split); each entry is its box's mean. Sorting is total, so the result
// depends on the colours alone.
#include "PaletteBuilder.h"

#include <algorithm>
#include <limits>

namespace {

int channel(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

struct Box {
    std::vector<QRgb> colours;

    // The channel with the widest range and that range.
    std::pair<int, int> widest() const
    {
        std::pair<int, int> best{0, -1};
        for (int k = 0; k < 3; ++k) {
            const auto [lo, hi] = std::minmax_element(colours.begin(), colours.end(), [k](QRgb a, QRgb b) {
                return channel(a, k) < channel(b, k);
            });
            const int range = channel(*hi, k) - channel(*lo, k);
            if (range > best.second)
                best = {k, range};
        }
        return best;
    }

    QRgb mean() const
    {
        long sum[3] = {0, 0, 0};
        for (QRgb c : colours)
            for (int k = 0; k < 3; ++k)
                sum[k] += channel(c, k);
        const long n = static_cast<long>(colours.size());
        return qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                    static_cast<int>((sum[2] + n / 2) / n));
    }
};

}  // namespace

PaletteBuilder::PaletteBuilder(std::vector<QRgb> colours)
{
    for (QRgb& c : colours)
        c |= 0xFF000000;
    std::vector<Box> boxes{Box{std::move(colours)}};
    while (boxes.size() < palette_.size()) {
        auto target = boxes.end();
        int targetRange = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            const int range = it->colours.size() > 1 ? it->widest().second : 0;
            if (range > targetRange) {
                target = it;
                targetRange = range;
            }
        }
        if (target == boxes.end())
            break;
        const int k = target->widest().first;
        std::sort(target->colours.begin(), target->colours.end(), [k](QRgb a, QRgb b) {
            return channel(a, k) != channel(b, k) ? channel(a, k) < channel(b, k) : a < b;
        });
        auto middle = target->colours.begin() + static_cast<long>(target->colours.size() / 2);
        // Keep equal values of the split channel in one box.
        const int split = channel(*middle, k);
        middle = std::lower_bound(target->colours.begin(), target->colours.end(), split,
                                  [k](QRgb c, int v) { return channel(c, k) < v; });
        if (middle == target->colours.begin())
            middle = std::upper_bound(target->colours.begin(), target->colours.end(), split,
                                      [k](int v, QRgb c) { return v < channel(c, k); });
        Box upper{std::vector<QRgb>(middle, target->colours.end())};
        target->colours.erase(middle, target->colours.end());
        boxes.push_back(std::move(upper));
    }
    for (const Box& b : boxes)
        palette_[static_cast<size_t>(used_++)] = b.mean();
}

int PaletteBuilder::index(QRgb colour) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < used_; ++i) {
        int distance = 0;
        for (int k = 0; k < 3; ++k) {
            const int d = channel(palette_[static_cast<size_t>(i)], k) - channel(colour, k);
            distance += d * d;
        }
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
