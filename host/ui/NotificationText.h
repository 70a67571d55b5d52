#pragma once

#include <string>

namespace zelva::ui {

// The indicator's text for a count text: singular only for "1".
std::string NotificationText(const char* countText);

}  // namespace zelva::ui
