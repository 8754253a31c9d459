#include "editor/TileMask.h"

#include <algorithm>
#include <cmath>

namespace snapwright {

TileMask::TileMask(Size area)
    : m_columns((std::max(0, area.width) + kTile - 1) / kTile),
      m_rows((std::max(0, area.height) + kTile - 1) / kTile),
      m_marked(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), false) {}

std::size_t TileMask::Index(int column, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
}

void TileMask::MarkSpan(double left, double right, double top, double bottom, double room) {
    if (right + room < 0 || bottom + room < 0 || m_columns == 0 || m_rows == 0) return;
    // Far off to the left or top, the division would round towards the area.
    const auto tile = [](double at) { return static_cast<int>(std::floor(std::max(-1.0, at) / kTile)); };
    const int firstColumn = std::max(0, tile(left - room));
    const int lastColumn = std::min(m_columns - 1, static_cast<int>(std::floor(std::min(1e9, right + room) / kTile)));
    const int firstRow = std::max(0, tile(top - room));
    const int lastRow = std::min(m_rows - 1, static_cast<int>(std::floor(std::min(1e9, bottom + room) / kTile)));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) m_marked[Index(column, row)] = true;
    }
}

void TileMask::MarkRect(const Rect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return;
    MarkSpan(rect.left, rect.left + rect.width - 1, rect.top, rect.top + rect.height - 1, 0);
}

// Row band by row band, the part of the line that crosses it.
void TileMask::MarkLine(Point from, Point to, double room) {
    const double dy = to.y - from.y;
    const int top = std::min(from.y, to.y);
    const int bottom = std::max(from.y, to.y);
    const int firstBand = static_cast<int>(std::floor(top / static_cast<double>(kTile))) * kTile;
    for (int bandTop = firstBand; bandTop <= bottom; bandTop += kTile) {
        const double y0 = std::max<double>(top, bandTop);
        const double y1 = std::min<double>(bottom, bandTop + kTile - 1);
        const double x0 = dy == 0 ? from.x : from.x + (to.x - from.x) * (y0 - from.y) / dy;
        const double x1 = dy == 0 ? to.x : from.x + (to.x - from.x) * (y1 - from.y) / dy;
        MarkSpan(std::min(x0, x1), std::max(x0, x1), y0, y1, room);
    }
}

// Row band by row band, the stretches of the ring on the left and on the right: from where the
// outer ellipse is widest in the band to where the inner one is narrowest.
void TileMask::MarkRing(double centreX, double centreY, double outerX, double outerY, double innerX, double innerY) {
    if (outerX <= 0 || outerY <= 0) {
        MarkSpan(centreX - outerX, centreX + outerX, centreY - outerY, centreY + outerY);
        return;
    }
    const auto halfWidth = [&](double radiusX, double radiusY, double y) {
        if (radiusX <= 0 || radiusY <= 0) return 0.0;
        const double t = (y - centreY) / radiusY;
        return radiusX * std::sqrt(std::max(0.0, 1 - t * t));
    };
    const double top = centreY - outerY - kRoom;
    const double bottom = centreY + outerY + kRoom;
    for (double bandTop = std::floor(top / kTile) * kTile; bandTop <= bottom; bandTop += kTile) {
        const double y0 = std::max(top, bandTop - kRoom);
        const double y1 = std::min(bottom, bandTop + kTile - 1 + kRoom);
        const double nearest = std::clamp(centreY, y0, y1);
        const double farthest = std::abs(y0 - centreY) > std::abs(y1 - centreY) ? y0 : y1;
        const double widest = halfWidth(outerX, outerY, nearest);
        const double narrowest = halfWidth(innerX, innerY, farthest);
        const double bandBottom = std::min(bottom, bandTop + kTile - 1);
        const double bandStart = std::max(top, bandTop);
        MarkSpan(centreX - widest, centreX - narrowest, bandStart, bandBottom);
        MarkSpan(centreX + narrowest, centreX + widest, bandStart, bandBottom);
    }
}

std::vector<Rect> TileMask::Areas() const {
    std::vector<Rect> areas;
    std::vector<std::size_t> previousRow;  // the areas that end on the row above
    for (int row = 0; row < m_rows; ++row) {
        std::vector<std::size_t> thisRow;
        for (int column = 0; column < m_columns;) {
            if (!m_marked[Index(column, row)]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < m_columns && m_marked[Index(column, row)]) ++column;
            const Rect run{first * kTile, row * kTile, (column - first) * kTile, kTile};
            const auto above = std::find_if(previousRow.begin(), previousRow.end(), [&](std::size_t i) {
                return areas[i].left == run.left && areas[i].width == run.width;
            });
            if (above != previousRow.end()) {
                areas[*above].height += kTile;
                thisRow.push_back(*above);
            } else {
                thisRow.push_back(areas.size());
                areas.push_back(run);
            }
        }
        previousRow = std::move(thisRow);
    }
    return areas;
}

bool TileMask::Empty() const {
    return std::none_of(m_marked.begin(), m_marked.end(), [](bool marked) { return marked; });
}

}  // namespace snapwright
