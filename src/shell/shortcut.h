#pragma once
// Shell links that start the program with one argument.

#include <string>

// Saves a link at linkPath to target with the argument in one pair of
// quotes, nothing else set. Nothing is saved when a step fails, a link path
// longer than 260 UTF-16 units included, which is never cut short.
void CreateShortcut(const std::string& target, const std::string& argument, const std::string& linkPath);
