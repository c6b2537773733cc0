#include "linemesh/model/network.h"

namespace linemesh {

LineNetwork::LineNetwork()
    : Node(kNodeCapacity + 1), Elem(kLineCapacity + 1), KI(kElementCapacity + 1),
      KN(kElementCapacity + 1) {}

}  // namespace linemesh
