#pragma once
// The attributes of the current HTML tag, as every tag handler reads them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/parse/symbols.h"

namespace tavra {

struct TAttribute {
  Symbol Sym = symOtherAttr;  // the attribute symbol; symOtherAttr for an unknown name
  std::int32_t Value = 0;     // the number the value spells (BORDER alone: 1), else 0
  std::string Text;           // the value text; empty when the attribute has no value
};

// The attributes in source order. Duplicates are all kept; Find sees the first.
class TAttributeList {
 public:
  void Clear() { items_.clear(); }
  void Add(Symbol sym, std::int32_t value, std::string text) {
    items_.push_back(TAttribute{sym, value, std::move(text)});
  }
  // The first attribute with that symbol, or nullptr.
  const TAttribute* Find(Symbol sym) const {
    for (const TAttribute& a : items_)
      if (a.Sym == sym) return &a;
    return nullptr;
  }

  int Count() const { return int(items_.size()); }
  bool empty() const { return items_.empty(); }
  const TAttribute& operator[](int index) const { return items_[std::size_t(index)]; }
  std::vector<TAttribute>::const_iterator begin() const { return items_.begin(); }
  std::vector<TAttribute>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<TAttribute> items_;
};

// The 32-bit integer a text spells: optional blanks, an optional sign and decimal digits,
// nothing after them. False (value untouched) for anything else, overflow included.
bool ParseInteger(std::string_view text, std::int32_t& value);

}  // namespace tavra
