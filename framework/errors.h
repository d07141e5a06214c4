#pragma once
// The errors the framework's components raise.
#include <stdexcept>

// The system refused a resource (a window, an icon in the notification area...).
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
