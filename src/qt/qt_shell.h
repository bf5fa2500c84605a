// Opens a document with the desktop's default program.
#pragma once

#include "platform/shell.h"

class QtShell final : public Shell {
public:
    void open(const std::string& path) override;
};
