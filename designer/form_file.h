// The form file: a line-based text that holds the components of one form, one line each, in
// creation order (what holds others before them). Version 2, which the designer writes:
//
//   Velmora form 2
//   core <the VERSION text of the core.dll the form was made with>
//   <class> <name> Parent=<name> Text="<text>" Left=<n> Top=<n> Width=<n> Height=<n>
//       Style=<hex> ExStyle=<hex> ID=<n>
//
// (one line per component). Properties are named, so a new one needs no new version; Parent is
// left out for a component the form holds. In a quoted value "\" is written "\\", '"' '\"', a
// line feed "\n" and a carriage return "\r". Version 1 files (fields separated by "|", no
// parents) are read too. docs/form-file.md describes both.
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
