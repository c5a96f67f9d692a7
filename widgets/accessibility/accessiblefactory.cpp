#include "accessibility/accessiblefactory.h"

#include <algorithm>
#include <vector>

void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
  static std::vector<QAccessible::InterfaceFactory> installed;
  if (std::find(installed.begin(), installed.end(), factory) != installed.end()) {
    return;
  }
  installed.push_back(factory);
  QAccessible::installFactory(factory);
}
