// The form file: a line-based text that holds the components of one form, one line each, in
// creation order (what holds others before them). Version 2, which the designer writes:
//
//   Velmora form 2
//   core <the VERSION text of the core.dll the form was made with>
//   Form <class name> Text="<caption>" Width=<n> Height=<n> <values> <events>
//   <class> <name> Parent=<name> Text="<text>" Left=<n> Top=<n> Width=<n> Height=<n>
//       Style=<hex> ExStyle=<hex> ID=<n> Align=<a> <values> Items="<items>" <events>
//
// (one line per component). Properties are named, so a new one needs no new version; one left
// out has the value a new component of the class gets. In a quoted value "\" is written "\\", '"'
// '\"', a line feed "\n" and a carriage return "\r". Version 1 files (fields separated by "|", no
// parents) are read too. docs/form-file.md describes both.
#pragma once

#include "component_record.h"
#include "core_library.h"

#include <string>
#include <vector>

#include "form_model.h"

std::string FormatFormFile(const CoreLibrary& Core, const FormModel& Model);

// Reads a whole form file. On any fault Model is left as it was and Problem names the line.
bool ParseFormFile(const std::string& Text, const CoreLibrary& Core, FormModel& Model,
                   std::string& Problem);
