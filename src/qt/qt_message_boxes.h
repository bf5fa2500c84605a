// Message boxes; without a caption of their own they show the application
// title, the executable's base name.
#pragma once

#include "platform/message_box.h"

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) override;
};
