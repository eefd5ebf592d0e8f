// The form file: a line-based text that holds the placed components of one form.
//
//   Velmora form 1
//   core <the VERSION text of the core.dll the form was made with>
//   <class>|<name>|<text>|<left>|<top>|<width>|<height>|<style>|<exstyle>|<id>
//   ...
//
// One line per component in creation order; style and exstyle are hexadecimal, the others
// decimal. In the class, name and text "\" is written "\\", "|" "\|", a line feed "\n" and a
// carriage return "\r".
#pragma once

#include "component_record.h"
#include "core_library.h"

#include <string>
#include <vector>

std::string FormatFormFile(const std::string& CoreVersion,
                           const std::vector<ComponentRecord>& Components);

// Reads a whole form file. On any fault nothing is returned and Problem names the line.
bool ParseFormFile(const std::string& Text, const CoreLibrary& Core,
                   std::vector<ComponentRecord>& Components, std::string& Problem);
