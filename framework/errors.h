#pragma once
// The errors the framework's components raise.
#include <stdexcept>

// The system refused a resource (a window, an icon in the notification area...).
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A silent abort: the operation stops without a message to the user.
class EAbort : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};
