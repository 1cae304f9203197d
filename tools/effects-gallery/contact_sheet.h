// The contact sheet: cells copied from the back surface in rows, each with
// its label below, written as one PNG file.
#pragma once

#include <memory>
#include <string>

#include "platform/surface.h"

namespace gallery {

inline constexpr int kLabelHeight = 16;

class ContactSheet {
 public:
  ContactSheet(int cell_count, int columns);

  // Copies the cell at the back surface's top-left corner into the next
  // place, with `label` drawn below it.
  void Add(const std::string& label);
  bool Write(const std::string& path, std::string* error) const;

 private:
  int columns_;
  int added_ = 0;
  std::unique_ptr<platform::Surface> sheet_;
};

}  // namespace gallery
