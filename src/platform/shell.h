// Opening a document with its associated program (the shell's "open").
#pragma once

#include <string>

class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const std::string& path) = 0;
};
