#include "html/links/map_item.h"
#include "platform/ascii.h"

#include <cstdint>

namespace tavra {

namespace {

constexpr int kMaxCoords = 201;
constexpr std::size_t kMaxPieceLength = 20;

enum class AreaShape { Rectangle, Circle, Polygon };

AreaShape shapeFromText(const std::string& text) {
  const std::string head = ascii::lower(text, 4);
  if (head == "circ") return AreaShape::Circle;
  if (head == "poly") return AreaShape::Polygon;
  return AreaShape::Rectangle;
}

std::vector<int> coordsFromText(const std::string& text) {
  std::vector<int> coords;
  std::size_t pos = 0;
  while (pos < text.size() && int(coords.size()) < kMaxCoords) {
    std::size_t comma = text.find(',', pos);
    if (comma == std::string::npos) comma = text.size();
    std::string_view piece(text.data() + pos, comma - pos);
    if (piece.size() > kMaxPieceLength) piece = piece.substr(0, kMaxPieceLength);
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t')) piece.remove_suffix(1);
    std::int32_t value = 0;
    if (!ParseInteger(piece, value)) value = 0;
    coords.push_back(value);
    pos = comma + 1;
  }
  return coords;
}

// Coordinates come from documents; keep the arithmetic on them inside int.
int coordinate(long long v) {
  return int(v < -Region::MaxCoordinate ? -Region::MaxCoordinate
                                        : v > Region::MaxCoordinate ? Region::MaxCoordinate : v);
}

}  // namespace

void TMapItem::AddArea(const TAttributeList& attributes) {
  std::string href;
  std::string target;
  AreaShape shape = AreaShape::Rectangle;
  std::vector<int> coords;
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrHref:
        href = a.Text;
        break;
      case attrShape:
        shape = shapeFromText(a.Text);
        break;
      case attrCoords:
        coords = coordsFromText(a.Text);
        break;
      case attrNohref:
        href.clear();
        break;
      case attrTarget:
        target = a.Text;
        break;
      default:
        break;
    }
  }

  Region region;
  const std::size_t n = coords.size();
  switch (shape) {
    case AreaShape::Rectangle:
      if (n < 4) return;
      region = Region::Rectangle(coords[0], coords[1], coordinate(coords[2] + 1LL),
                                 coordinate(coords[3] + 1LL));
      break;
    case AreaShape::Circle: {
      if (n < 3) return;
      const long long x = coords[0], y = coords[1], r = coords[2];
      region = Region::Ellipse(coordinate(x - r), coordinate(y - r), coordinate(x + r + 1),
                               coordinate(y + r + 1));
      break;
    }
    case AreaShape::Polygon: {
      if (n < 6) return;
      std::vector<RegionPoint> points;
      for (std::size_t i = 0; i + 1 < n; i += 2) points.push_back(RegionPoint{coords[i], coords[i + 1]});
      region = Region::Polygon(points);
      break;
    }
  }
  Areas.push_back(Area{std::move(href), std::move(region)});
  AreaTargets.push_back(std::move(target));
}

bool TMapItem::AreaAt(int x, int y, TUrlTarget& urlTarget) const {
  for (std::size_t i = 0; i < Areas.size(); ++i) {
    if (!Areas[i].Shape.Contains(x, y)) continue;
    if (Areas[i].Href.empty()) return false;
    urlTarget.URL = Areas[i].Href;
    urlTarget.Target = i < AreaTargets.size() ? AreaTargets[i] : std::string();
    return true;
  }
  return false;
}

}  // namespace tavra
