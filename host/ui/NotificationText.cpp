#include "NotificationText.h"

#include <cstring>

namespace zelva::ui {

std::string NotificationText(const char* countText) {
  if (countText == nullptr) countText = "";
  bool one = std::strcmp(countText, "1") == 0;
  return std::string("You have ") + countText + (one ? " new notification" : " new notifications");
}

}  // namespace zelva::ui
