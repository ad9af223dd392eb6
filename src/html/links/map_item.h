#pragma once
// A client-side image map: one MAP element with its clickable areas.

#include <string>
#include <vector>

#include "html/parse/attributes.h"
#include "html/links/url_target.h"
#include "platform/region.h"

namespace tavra {

class TMapItem {
 public:
  struct Area {
    std::string Href;  // empty for NOHREF: the area swallows clicks
    Region Shape;
  };

  std::string MapName;
  std::vector<Area> Areas;                // in document order
  std::vector<std::string> AreaTargets;  // the TARGET of each area, parallel to Areas

  // Adds the area that an AREA tag's attributes describe; nothing when COORDS holds too
  // few numbers for its shape.
  void AddArea(const TAttributeList& attributes);

  // The link of the first area that contains (x, y), a point in image pixels. False when
  // no area contains it or that area has no link; `urlTarget` is set only on true.
  bool AreaAt(int x, int y, TUrlTarget& urlTarget) const;
};

}  // namespace tavra
